#pragma once
// The operation list of the main window (ListView2): one line per enabled
// operation, in a fixed display order, captioned as the options form captions
// its boxes. The run performs the operations in an order of its own; this one
// is for show, and the run only counts the lines.

#include "batch/pollent/IconList.h"
#include "batch/pollent/OptionSet.h"

#include <QList>

namespace pollent {

struct OperationLine {
    QString caption;
    bool OptionSet::*flag;
};

class OperationList : public IconList {
public:
    static const QString Heading;

    explicit OperationList(QIcon icon, QObject* parent = nullptr);

    // The eight listed operations in display order.
    static const QList<OperationLine>& lines();
    // The caption of a flag's line; empty for a flag that is not listed.
    static QString captionOf(bool OptionSet::*flag);

    // batch.batchlist: empties the list, then adds a line for each set flag.
    void batchlist(const OptionSet& options);
};

}  // namespace pollent
