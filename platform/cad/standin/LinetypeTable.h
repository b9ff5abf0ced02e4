#pragma once
// The linetype table of a stand-in drawing. Load reads the linetype from a
// catalogue file: a bare file name is looked for in the folders of the
// profile's support path, in order.

#include "platform/cad/Linetypes.h"
#include "platform/cad/standin/Linetype.h"
#include "platform/cad/standin/SymbolTable.h"

namespace standin {

class LinetypeTable : public NamedTable<cad::Linetype, Linetype, cad::Linetypes> {
public:
    LinetypeTable(std::weak_ptr<Drawing> drawing);

    void load(const QString& name, const QString& fileName) override;

private:
    QString findCatalogue(const Drawing& drawing, const QString& fileName) const;
};

}  // namespace standin
