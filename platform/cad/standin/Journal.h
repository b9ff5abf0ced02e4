#pragma once
// The stand-in host's record of what was done to it, in order: one line per
// method call or property write ("Document.Open C:\Jobs\a.dwg"), and one per
// prompt. Plain property reads are not recorded, so a tool that re-attaches on
// a timer does not flood it. Tests read it to check calls and their order.

#include <QString>
#include <QStringList>

namespace standin {

class Journal {
public:
    void record(const QString& entry) { entries_.append(entry); }
    const QStringList& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    bool contains(const QString& entry) const { return entries_.contains(entry); }
    // The entries that start with the prefix, in order.
    QStringList matching(const QString& prefix) const;

private:
    QStringList entries_;
};

}  // namespace standin
