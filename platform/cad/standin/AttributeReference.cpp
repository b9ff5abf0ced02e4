#include "platform/cad/standin/AttributeReference.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
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

QString AttributeReference::tagString() const { return get(attributeMember("TagString"), tag_); }

void AttributeReference::setTagString(const QString& tag)
{
    set(attributeMember("TagString"), handle(), tag_, tag, [](const Drawing&, const QString& value) {
        // Assumption: a tag is never empty and holds no blank.
        if (value.isEmpty() || value.contains(QLatin1Char(' ')))
            cad::raise(cad::err::InvalidInput, QStringLiteral("\"%1\" is not a valid tag").arg(value));
    });
}

QString AttributeReference::textString() const { return get(attributeMember("TextString"), text_); }

void AttributeReference::setTextString(const QString& text) { set(attributeMember("TextString"), tag_, text_, text); }

double AttributeReference::height() const { return get(attributeMember("Height"), height_); }

void AttributeReference::setHeight(double height)
{
    set(attributeMember("Height"), tag_, height_, height, Validate::greaterThanZero(QStringLiteral("the text height")));
}

cad::Point AttributeReference::insertionPoint() const { return get(attributeMember("InsertionPoint"), position_); }

void AttributeReference::setInsertionPoint(const cad::Point& point)
{
    set(attributeMember("InsertionPoint"), tag_, position_, point);
}

QString AttributeReference::styleName() const { return get(attributeMember("StyleName"), style_); }

void AttributeReference::setStyleName(const QString& style)
{
    set(attributeMember("StyleName"), tag_, style_, style, Validate::textStyle);
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

TextShape AttributeReference::shape() const
{
    return {text_, position_, position_, height_, 0.0, 0, style_};
}

void AttributeReference::listNames(std::vector<NameRef>& names)
{
    EntityBase::listNames(names);
    names.push_back({SymbolKind::TextStyle, &style_});
}

void AttributeReference::accept(ShapeVisitor& visitor) const { visitor.text(*this, shape()); }

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
