#pragma once
// New names for named objects, per table, looked up without regard to case.
// Binding an external reference and bringing a drawing in as a block rename
// what they carry over; names without an entry stay as they are.

#include "platform/cad/standin/SymbolKind.h"

#include <QHash>
#include <QString>
#include <array>

namespace standin {

class SymbolRenames {
public:
    void add(SymbolKind kind, const QString& from, const QString& to)
    {
        names_[static_cast<int>(kind)].insert(from.toLower(), to);
    }
    QString apply(SymbolKind kind, const QString& name) const
    {
        return names_[static_cast<int>(kind)].value(name.toLower(), name);
    }

private:
    std::array<QHash<QString, QString>, SymbolKindCount> names_;
};

}  // namespace standin
