#pragma once
// Draws the lines of the run log. The list's own drawing lays every visible
// line out anew each time the log is painted, and a run paints it over and over;
// here a line is laid out once and kept while it may still be on screen. A line
// is plain text in one row, as wide as the row.

#include <QCache>
#include <QStyledItemDelegate>
#include <QTextLayout>

namespace pollent {

class LogLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // A window's worth of lines and more; those scrolled away long ago go.
    static constexpr int KeptLines = 512;
    mutable QCache<QString, QTextLayout> laidOut_{KeptLines};
};

}  // namespace pollent
