#pragma once
// A text style of a stand-in drawing; only its name matters to the tools.

#include "platform/cad/TextStyle.h"
#include "platform/cad/standin/SymbolRecord.h"

namespace standin {

class TextStyle : public cad::TextStyle, public SymbolRecord {
public:
    TextStyle(std::weak_ptr<Drawing> drawing, QString name) : SymbolRecord(std::move(drawing), std::move(name)) {}

    QString name() const override
    {
        enter(QStringLiteral("TextStyle.Name"));
        return rawName();
    }
};

}  // namespace standin
