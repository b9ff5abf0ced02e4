#include "platform/files/Wildcard.h"

namespace files {

Wildcard::Wildcard(const QString& pattern)
    : pattern_(pattern.toCaseFolded()),
      matchAll_(pattern.isEmpty() || pattern == QStringLiteral("*") || pattern == QStringLiteral("*.*"))
{
}

bool Wildcard::matches(const QString& name) const
{
    if (matchAll_)
        return true;
    const QString text = name.toCaseFolded();
    // Greedy match with one back-track point: the last "*" seen.
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern_.size() && (pattern_[p] == u'?' || pattern_[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern_.size() && pattern_[p] == u'*') {
            starP = p++;
            starT = t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern_.size() && pattern_[p] == u'*')
        ++p;
    return p == pattern_.size();
}

}  // namespace files
