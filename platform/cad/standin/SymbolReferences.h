#pragma once
// The names a set of objects refers to, per table, without regard to case.
// Purge uses it to find what nothing refers to.

#include "platform/cad/standin/SymbolKind.h"

#include <QSet>
#include <QString>
#include <array>

namespace standin {

class SymbolReferences {
public:
    void add(SymbolKind kind, const QString& name)
    {
        if (!name.isEmpty())
            names_[static_cast<int>(kind)].insert(name.toLower());
    }
    bool contains(SymbolKind kind, const QString& name) const
    {
        return names_[static_cast<int>(kind)].contains(name.toLower());
    }

private:
    std::array<QSet<QString>, SymbolKindCount> names_;
};

}  // namespace standin
