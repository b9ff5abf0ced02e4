#pragma once
// A file-list pattern such as "*.dwg", "*.*" or "a?.lay": "*" stands for any
// run of characters, "?" for one character, everything else for itself without
// regard to case. As on the original system, "*.*" matches every name, also one
// without a dot.

#include <QString>

namespace files {

class Wildcard {
public:
    explicit Wildcard(const QString& pattern);

    bool matches(const QString& name) const;

    static bool hasWildcard(const QString& text) { return text.contains(u'*') || text.contains(u'?'); }

private:
    QString pattern_;
    bool matchAll_;
};

}  // namespace files
