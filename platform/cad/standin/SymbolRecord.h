#pragma once
// The part every named table entry shares: its name, as the drawing spells
// it. rawName() is the stand-in's own access, without the host guards.

#include "platform/cad/standin/DrawingObject.h"

#include <QString>

namespace standin {

class SymbolRecord : public DrawingObject {
public:
    SymbolRecord(std::weak_ptr<Drawing> drawing, QString name)
        : DrawingObject(std::move(drawing)), name_(std::move(name))
    {
    }

    const QString& rawName() const { return name_; }
    void setRawName(const QString& name) { name_ = name; }
    // Names that depend on an external reference ("Site|Walls") carry a bar,
    // which no name of the drawing's own may hold.
    bool isDependent() const { return name_.contains(QLatin1Char('|')); }

private:
    QString name_;
};

}  // namespace standin
