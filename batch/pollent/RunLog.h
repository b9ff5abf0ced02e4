#pragma once
// Where a batch run writes its log: one line at a time, and a mark after each
// drawing's lines, by which the log is brought into view. The run window
// implements it; the run never touches the window's list.

#include <QString>

namespace pollent {

class RunLog {
public:
    virtual ~RunLog() = default;

    // A line at the end of the log.
    virtual void addLine(const QString& line) = 0;
    // The current drawing's lines are all written.
    virtual void drawingDone() = 0;
};

}  // namespace pollent
