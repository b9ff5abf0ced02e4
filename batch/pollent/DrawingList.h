#pragma once
// The drawing list a batch run processes (ListView1's items): full drawing
// paths in the order the user arranged them. The picker adds to it, the menu
// commands remove and sort, and the run reads it one path at a time. The same
// drawing may be listed twice; nothing is checked on the way in.

#include "batch/pollent/IconList.h"

namespace pollent {

class DrawingList : public IconList {
public:
    static const QString Heading;

    explicit DrawingList(QIcon icon, QObject* parent = nullptr);

    const QString& path(int row) const { return text(row); }
    const QStringList& paths() const { return texts(); }

    void add(const QString& path) { append(path); }
    void remove(int row) { removeAt(row); }
    void clear() { replace({}); }
    // Paths compare as the user reads them, regardless of letter case; equal
    // ones keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
};

}  // namespace pollent
