#include "platform/cad/standin/AttributeDefinition.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"

namespace standin {

const QString AttributeDefinition::Keyword = QStringLiteral("ATTDEF");

AttributeDefinition::AttributeDefinition(const QString& tag, const QString& prompt, const QString& value,
                                         const cad::Point& at, double height)
    : EntityBase(cad::entityType::AttributeDefinition, QStringLiteral("AcDbAttributeDefinition")), tag_(tag),
      prompt_(prompt), value_(value), position_(at), height_(height)
{
}

QString AttributeDefinition::textString() const { return property("TextString", value_); }

void AttributeDefinition::setTextString(const QString& text) { setProperty("TextString", value_, text); }

double AttributeDefinition::height() const { return property("Height", height_); }

cad::Point AttributeDefinition::insertionPoint() const { return property("InsertionPoint", position_); }

QString AttributeDefinition::styleName() const { return property("StyleName", style_); }

void AttributeDefinition::listNames(std::vector<NameRef>& names)
{
    EntityBase::listNames(names);
    names.push_back({SymbolKind::TextStyle, &style_});
}

void AttributeDefinition::accept(ShapeVisitor& visitor) const
{
    visitor.attributeDefinition(*this, {tag_, position_, position_, height_, 0.0, 0, style_});
}

void AttributeDefinition::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.text(tag_).text(prompt_).text(value_).point(position_).number(height_).text(style_).end();
}

std::shared_ptr<AttributeDefinition> AttributeDefinition::read(RecordReader& reader)
{
    const QString tag = reader.text();
    const QString prompt = reader.text();
    const QString value = reader.text();
    const cad::Point position = reader.point();
    const double height = reader.number();
    auto definition = std::make_shared<AttributeDefinition>(tag, prompt, value, position, height);
    definition->style_ = reader.text();
    if (tag.isEmpty() || height <= 0.0)
        reader.fail(QStringLiteral("an attribute definition needs a tag and a height"));
    return definition;
}

}  // namespace standin
