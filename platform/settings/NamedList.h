#pragma once
// An ordered list of named entries in which names match without regard to
// case. The first spelling a name was stored under is the one kept, the way
// the registry keeps the spelling a key or value was created with.

#include <QString>
#include <vector>

namespace settings {

template <typename T>
class NamedList {
public:
    struct Entry {
        QString name;
        T value;
    };

    T* find(const QString& name)
    {
        for (Entry& entry : entries_)
            if (sameName(entry.name, name))
                return &entry.value;
        return nullptr;
    }

    const T* find(const QString& name) const
    {
        for (const Entry& entry : entries_)
            if (sameName(entry.name, name))
                return &entry.value;
        return nullptr;
    }

    // The entry of that name; a new one at the end, spelt as given, when
    // there is none yet.
    T& obtain(const QString& name)
    {
        if (T* found = find(name))
            return *found;
        entries_.push_back(Entry{name, T{}});
        return entries_.back().value;
    }

    bool remove(const QString& name)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (sameName(it->name, name)) {
                entries_.erase(it);
                return true;
            }
        }
        return false;
    }

    void clear() { entries_.clear(); }
    bool isEmpty() const { return entries_.empty(); }
    const std::vector<Entry>& entries() const { return entries_; }

    static bool sameName(const QString& a, const QString& b)
    {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    }

private:
    std::vector<Entry> entries_;
};

}  // namespace settings
