#include "platform/cad/standin/TextEntity.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

TextEntity::TextEntity(int type, QString className, const QString& text, const cad::Point& at, double height)
    : EntityBase(type, std::move(className)), text_(text), insertion_(at), height_(height)
{
}

QString TextEntity::textString() const { return property("TextString", text_); }

void TextEntity::setTextString(const QString& text) { setProperty("TextString", text_, text); }

double TextEntity::height() const { return property("Height", height_); }

void TextEntity::setHeight(double height)
{
    setProperty("Height", height_, height, Validate::greaterThanZero(QStringLiteral("the text height")));
}

QString TextEntity::styleName() const { return property("StyleName", style_); }

void TextEntity::setStyleName(const QString& style)
{
    // Assumption: a text takes only a text style the drawing has.
    setProperty("StyleName", style_, style, Validate::textStyle);
}

cad::Point TextEntity::insertionPoint() const { return property("InsertionPoint", insertion_); }

double TextEntity::rotation() const { return property("Rotation", rotation_); }

void TextEntity::setRotation(double rotation)
{
    // Assumption: a text's rotation is any angle, kept as it is given.
    setProperty("Rotation", rotation_, rotation, Validate::aNumber(QStringLiteral("the rotation")));
}

void TextEntity::listNames(std::vector<NameRef>& names)
{
    EntityBase::listNames(names);
    names.push_back({SymbolKind::TextStyle, &style_});
}

}  // namespace standin
