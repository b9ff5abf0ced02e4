#include "platform/testing/LayoutCheck.h"

#include "platform/forms/Caption.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace testing_env {

namespace {

bool isControl(const QWidget* widget, const QWidget& window)
{
    // A window the form owns (a settings window, a picker) is a window of
    // its own, looked at by itself.
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !widget->isWindow()
           && widget->isVisibleTo(&window);
}

// The width a push button needs to show its text and icon whole. Styles make
// a button with text at least 80 pixels wide whatever the text; a narrower
// button ("...") cuts nothing as long as what it shows fits.
int pushButtonNeeds(const QPushButton* button)
{
    const QStyle* style = button->style();
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int width = button->fontMetrics().horizontalAdvance(text);
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    width += style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
             + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    if (button->autoDefault() || button->isDefault())
        width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button);
    return std::min(width, button->sizeHint().width());
}

QString describe(const QWidget* widget)
{
    const QRect g = widget->geometry();
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(widget->objectName())
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height());
}

// The least size that shows the whole caption: the natural size for buttons
// and labels, the least the style allows for everything else.
QSize needed(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QPushButton*>(widget))
        return QSize(pushButtonNeeds(button), button->sizeHint().height());
    // A text that wraps needs the height of its lines at the width it has.
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap())
        return QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget))
        return widget->sizeHint();
    return widget->minimumSizeHint();
}

}  // namespace

QStringList layoutFaults(const QWidget& window)
{
    QStringList faults;
    // The window manager cuts off a caption the title bar cannot hold (a
    // window without a frame shows none).
    const bool captioned = window.isWindow() && !window.windowFlags().testFlag(Qt::FramelessWindowHint)
                           && !window.windowTitle().isEmpty();
    if (captioned && window.width() < forms::captionWidth(window))
        faults.append(QStringLiteral("the window (%1 wide) is narrower than its caption \"%2\" needs: %3")
                          .arg(window.width())
                          .arg(window.windowTitle())
                          .arg(forms::captionWidth(window)));
    QList<const QWidget*> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (isControl(widget, window))
            controls.append(widget);

    for (const QWidget* control : controls) {
        const QSize need = needed(control);
        if (need.isValid() && (control->width() < need.width() || control->height() < need.height()))
            faults.append(QStringLiteral("%1 is cut: it needs %2x%3")
                              .arg(describe(control))
                              .arg(need.width())
                              .arg(need.height()));
        const QWidget* holder = control->parentWidget();
        if (holder && !holder->rect().contains(control->geometry()))
            faults.append(QStringLiteral("%1 reaches out of %2")
                              .arg(describe(control), holder->objectName().isEmpty() ? QStringLiteral("its window")
                                                                                     : holder->objectName()));
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (controls[i]->parentWidget() == controls[j]->parentWidget()
                && controls[i]->geometry().intersects(controls[j]->geometry()))
                faults.append(QStringLiteral("%1 overlaps %2").arg(describe(controls[i]), describe(controls[j])));
    return faults;
}

QStringList layoutFaults(QWidget& window, const QString& name)
{
    window.grab().save(QDir::temp().filePath(name + QStringLiteral(".png")));
    return layoutFaults(window);
}

}  // namespace testing_env
