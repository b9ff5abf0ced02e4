#include "platform/cad/standin/TextEntity.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

TextEntity::TextEntity(int type, QString className, const QString& text, const cad::Point& at, double height)
    : EntityBase(type, std::move(className)), text_(text), insertion_(at), height_(height)
{
}

QString TextEntity::textString() const
{
    enter(member("TextString"));
    return text_;
}

void TextEntity::setTextString(const QString& text)
{
    change(member("TextString"), handle() + QLatin1Char(' ') + text);
    text_ = text;
}

double TextEntity::height() const
{
    enter(member("Height"));
    return height_;
}

void TextEntity::setHeight(double height)
{
    change(member("Height"), handle() + QLatin1Char(' ') + JournalText::number(height));
    Validate::positive(height, QStringLiteral("the text height"));
    height_ = height;
}

QString TextEntity::styleName() const
{
    enter(member("StyleName"));
    return style_;
}

void TextEntity::setStyleName(const QString& style)
{
    const auto drawing = change(member("StyleName"), handle() + QLatin1Char(' ') + style);
    // Assumption: a text takes only a text style the drawing has.
    style_ = Validate::textStyle(*drawing, style);
}

cad::Point TextEntity::insertionPoint() const
{
    enter(member("InsertionPoint"));
    return insertion_;
}

void TextEntity::collectReferences(SymbolReferences& references) const
{
    EntityBase::collectReferences(references);
    references.add(SymbolKind::TextStyle, style_);
}

void TextEntity::renameReferences(const SymbolRenames& renames)
{
    EntityBase::renameReferences(renames);
    style_ = renames.apply(SymbolKind::TextStyle, style_);
}

}  // namespace standin
