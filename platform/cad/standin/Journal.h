#pragma once
// The stand-in host's record of what was done to it, in order: one line per
// method call or property write ("Document.Open C:\Jobs\a.dwg"), and one per
// prompt. Plain property reads are not recorded, so a tool that re-attaches on
// a timer does not flood it. Tests read it to check calls and their order; a
// host that runs for a working day keeps only its latest entries.

#include <QString>
#include <QStringList>

namespace standin {

class Journal {
public:
    void record(const QString& entry)
    {
        // Trimmed in halves, so a long run pays little for it.
        if (limit_ > 0 && entries_.size() >= 2 * limit_)
            entries_.remove(0, entries_.size() - limit_);
        entries_.append(entry);
    }
    // At least the latest `limit` entries are kept, and never more than twice
    // as many; 0 (the start) keeps all.
    void setLimit(qsizetype limit) { limit_ = limit; }
    const QStringList& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    bool contains(const QString& entry) const { return entries_.contains(entry); }
    // The entries that start with the prefix, in order.
    QStringList matching(const QString& prefix) const;

private:
    QStringList entries_;
    qsizetype limit_ = 0;
};

}  // namespace standin
