#include "platform/cad/standin/AttributeDefinition.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

namespace standin {

const QString AttributeDefinition::Keyword = QStringLiteral("ATTDEF");

AttributeDefinition::AttributeDefinition(const QString& tag, const QString& prompt, const QString& value,
                                         const cad::Point& at, double height)
    : EntityBase(cad::entityType::AttributeDefinition, QStringLiteral("AcDbAttributeDefinition")), tag_(tag),
      prompt_(prompt), value_(value), position_(at), height_(height)
{
}

QString AttributeDefinition::textString() const
{
    enter(member("TextString"));
    return value_;
}

void AttributeDefinition::setTextString(const QString& text)
{
    change(member("TextString"), handle() + QLatin1Char(' ') + text);
    value_ = text;
}

double AttributeDefinition::height() const
{
    enter(member("Height"));
    return height_;
}

cad::Point AttributeDefinition::insertionPoint() const
{
    enter(member("InsertionPoint"));
    return position_;
}

QString AttributeDefinition::styleName() const
{
    enter(member("StyleName"));
    return style_;
}

void AttributeDefinition::collectReferences(SymbolReferences& references) const
{
    EntityBase::collectReferences(references);
    references.add(SymbolKind::TextStyle, style_);
}

void AttributeDefinition::renameReferences(const SymbolRenames& renames)
{
    EntityBase::renameReferences(renames);
    style_ = renames.apply(SymbolKind::TextStyle, style_);
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
