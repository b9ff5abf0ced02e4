#pragma once
// A linetype loaded into a stand-in drawing, with the pattern it came with.

#include "platform/cad/Linetype.h"
#include "platform/cad/standin/SymbolRecord.h"

namespace standin {

class Linetype : public cad::Linetype, public SymbolRecord {
public:
    Linetype(std::weak_ptr<Drawing> drawing, QString name) : SymbolRecord(std::move(drawing), std::move(name)) {}

    QString name() const override
    {
        enter(QStringLiteral("Linetype.Name"));
        return rawName();
    }
    QString description() const override
    {
        enter(QStringLiteral("Linetype.Description"));
        return description_;
    }

    const QString& rawDescription() const { return description_; }
    const QString& rawPattern() const { return pattern_; }
    void setRaw(const QString& description, const QString& pattern)
    {
        description_ = description;
        pattern_ = pattern;
    }

private:
    QString description_;
    QString pattern_;
};

}  // namespace standin
