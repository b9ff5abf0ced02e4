#pragma once
// The operation list of the main window: one line per enabled operation, in a
// fixed display order, captioned as the options form captions its boxes. The
// run performs the operations in an order of its own; this one is for show.

#include "batch/pollent/OptionSet.h"

#include <QList>
#include <QString>

class QIcon;
class QTreeWidget;

namespace pollent {

struct OperationLine {
    QString caption;
    bool OptionSet::*flag;
};

class OperationList {
public:
    // The eight listed operations in display order.
    static const QList<OperationLine>& lines();

    // batch.batchlist: empties the list, then adds a line for each set flag.
    static void batchlist(QTreeWidget& list, const OptionSet& options, const QIcon& icon);
};

}  // namespace pollent
