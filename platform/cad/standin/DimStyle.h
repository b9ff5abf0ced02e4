#pragma once
// A dimension style of a stand-in drawing; only its name matters to the tools.

#include "platform/cad/DimStyle.h"
#include "platform/cad/standin/SymbolRecord.h"

namespace standin {

class DimStyle : public cad::DimStyle, public SymbolRecord {
public:
    DimStyle(std::weak_ptr<Drawing> drawing, QString name) : SymbolRecord(std::move(drawing), std::move(name)) {}

    QString name() const override
    {
        enter(QStringLiteral("DimStyle.Name"));
        return rawName();
    }
};

}  // namespace standin
