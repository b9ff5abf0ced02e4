#include "platform/testing/LayoutCheck.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace testing_env {

namespace {

bool isControl(const QWidget* widget, const QWidget& window)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && widget->isVisibleTo(&window);
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
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget))
        return widget->sizeHint();
    return widget->minimumSizeHint();
}

}  // namespace

QStringList layoutFaults(const QWidget& window)
{
    QStringList faults;
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

}  // namespace testing_env
