#pragma once
// An attribute definition of a block ("AcDbAttributeDefinition"): tag,
// prompt and default value; each reference to the block gets an attribute
// made from it.

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class AttributeDefinition : public EntityBase {
public:
    static const QString Keyword;

    AttributeDefinition(const QString& tag, const QString& prompt, const QString& value, const cad::Point& at,
                        double height);

    QString textString() const override;
    void setTextString(const QString& text) override;
    double height() const override;
    cad::Point insertionPoint() const override;
    QString styleName() const override;

    const QString& tag() const { return tag_; }
    const QString& prompt() const { return prompt_; }
    const QString& value() const { return value_; }
    const cad::Point& position() const { return position_; }
    double rawHeight() const { return height_; }
    const QString& rawStyle() const { return style_; }

    void listNames(std::vector<NameRef>& names) override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<AttributeDefinition>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<AttributeDefinition> read(RecordReader& reader);

protected:
    QString detail() const override { return tag_; }

private:
    QString tag_;
    QString prompt_;
    QString value_;
    cad::Point position_;
    double height_;
    QString style_ = QStringLiteral("Standard");
};

}  // namespace standin
