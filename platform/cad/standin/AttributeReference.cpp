#include "platform/cad/standin/AttributeReference.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString AttributeReference::Keyword = QStringLiteral("ATTRIB");

namespace {
QString attributeMember(const char* name) { return QStringLiteral("AttributeReference.") + QLatin1String(name); }
}  // namespace

AttributeReference::AttributeReference(const QString& tag, const QString& text, const cad::Point& at, double height)
    : EntityBase(cad::entityType::AttributeReference, QStringLiteral("AcDbAttribute")), tag_(tag), text_(text),
      position_(at), height_(height)
{
}

QString AttributeReference::tagString() const
{
    enter(attributeMember("TagString"));
    return tag_;
}

void AttributeReference::setTagString(const QString& tag)
{
    change(attributeMember("TagString"), handle() + QLatin1Char(' ') + tag);
    // Assumption: a tag is never empty and holds no blank.
    if (tag.isEmpty() || tag.contains(QLatin1Char(' ')))
        cad::raise(cad::err::InvalidInput, QStringLiteral("\"%1\" is not a valid tag").arg(tag));
    tag_ = tag;
}

QString AttributeReference::textString() const
{
    enter(attributeMember("TextString"));
    return text_;
}

void AttributeReference::setTextString(const QString& text)
{
    change(attributeMember("TextString"), tag_ + QLatin1Char(' ') + text);
    text_ = text;
}

double AttributeReference::height() const
{
    enter(attributeMember("Height"));
    return height_;
}

void AttributeReference::setHeight(double height)
{
    change(attributeMember("Height"), tag_ + QLatin1Char(' ') + JournalText::number(height));
    Validate::positive(height, QStringLiteral("the text height"));
    height_ = height;
}

cad::Point AttributeReference::insertionPoint() const
{
    enter(attributeMember("InsertionPoint"));
    return position_;
}

void AttributeReference::setInsertionPoint(const cad::Point& point)
{
    change(attributeMember("InsertionPoint"), tag_ + QLatin1Char(' ') + JournalText::point(point));
    position_ = point;
}

QString AttributeReference::styleName() const
{
    enter(attributeMember("StyleName"));
    return style_;
}

void AttributeReference::setStyleName(const QString& style)
{
    const auto drawing = change(attributeMember("StyleName"), tag_ + QLatin1Char(' ') + style);
    style_ = Validate::textStyle(*drawing, style);
}

void AttributeReference::remove()
{
    act(attributeMember("Delete"), tag_);
    // Assumption: an attribute goes only with its block reference.
    cad::raise(cad::err::InvalidInput, QStringLiteral("an attribute cannot be deleted on its own"));
}

void AttributeReference::moveBy(const cad::Point& delta)
{
    position_ = {position_.x + delta.x, position_.y + delta.y, position_.z + delta.z};
}

void AttributeReference::collectReferences(SymbolReferences& references) const
{
    EntityBase::collectReferences(references);
    references.add(SymbolKind::TextStyle, style_);
}

void AttributeReference::renameReferences(const SymbolRenames& renames)
{
    EntityBase::renameReferences(renames);
    style_ = renames.apply(SymbolKind::TextStyle, style_);
}

void AttributeReference::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.text(tag_).text(text_).point(position_).number(height_).text(style_).end();
}

std::shared_ptr<AttributeReference> AttributeReference::read(RecordReader& reader)
{
    const QString tag = reader.text();
    const QString text = reader.text();
    const cad::Point position = reader.point();
    const double height = reader.number();
    auto attribute = std::make_shared<AttributeReference>(tag, text, position, height);
    attribute->style_ = reader.text();
    if (tag.isEmpty() || height <= 0.0)
        reader.fail(QStringLiteral("an attribute needs a tag and a height"));
    return attribute;
}

}  // namespace standin
