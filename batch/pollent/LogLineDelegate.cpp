#include "batch/pollent/LogLineDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace pollent {

void LogLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString line = item.text;
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();

    // Background, selection and focus as the style draws them, without the text.
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    if (line.isEmpty())
        return;

    QTextLayout* text = laidOut_.object(line);
    if (!text || text->font() != item.font) {
        text = new QTextLayout(line, item.font);
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        text->setTextOption(option);
        text->beginLayout();
        text->createLine();
        text->endLayout();
        laidOut_.insert(line, text);
    }
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole role = (item.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    // Where the style puts an item's text: its margin in from the left,
    // centred in the row's height on whole pixels.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int height = int(text->lineAt(0).height());
    painter->save();
    painter->setPen(item.palette.color(group, role));
    text->draw(painter, QPointF(item.rect.left() + margin, item.rect.top() + (item.rect.height() - height) / 2));
    painter->restore();
}

}  // namespace pollent
