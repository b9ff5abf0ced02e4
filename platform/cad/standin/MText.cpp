#include "platform/cad/standin/MText.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString MText::Keyword = QStringLiteral("MTEXT");

MText::MText(const cad::Point& at, double width, const QString& text)
    : EntityBase(cad::entityType::MText, QStringLiteral("AcDbMText")), text_(text), insertion_(at), width_(width)
{
}

QString MText::textString() const
{
    enter(member("TextString"));
    return text_;
}

void MText::setTextString(const QString& text)
{
    change(member("TextString"), handle() + QLatin1Char(' ') + text);
    text_ = text;
}

double MText::height() const
{
    enter(member("Height"));
    return height_;
}

void MText::setHeight(double height)
{
    change(member("Height"), handle() + QLatin1Char(' ') + JournalText::number(height));
    Validate::positive(height, QStringLiteral("the text height"));
    height_ = height;
}

QString MText::styleName() const
{
    enter(member("StyleName"));
    return style_;
}

void MText::setStyleName(const QString& style)
{
    const auto drawing = change(member("StyleName"), handle() + QLatin1Char(' ') + style);
    style_ = Validate::textStyle(*drawing, style);
}

int MText::attachmentPoint() const
{
    enter(member("AttachmentPoint"));
    return attachment_;
}

void MText::setAttachmentPoint(int attachment)
{
    change(member("AttachmentPoint"), handle() + QLatin1Char(' ') + QString::number(attachment));
    Validate::range(attachment, 1, 9, QStringLiteral("the attachment point"));
    attachment_ = attachment;
}

cad::Point MText::insertionPoint() const
{
    enter(member("InsertionPoint"));
    return insertion_;
}

void MText::setInsertionPoint(const cad::Point& point)
{
    change(member("InsertionPoint"), handle() + QLatin1Char(' ') + JournalText::point(point));
    insertion_ = point;
}

void MText::collectReferences(SymbolReferences& references) const
{
    EntityBase::collectReferences(references);
    references.add(SymbolKind::TextStyle, style_);
}

void MText::renameReferences(const SymbolRenames& renames)
{
    EntityBase::renameReferences(renames);
    style_ = renames.apply(SymbolKind::TextStyle, style_);
}

void MText::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.text(text_).point(insertion_).number(width_).number(height_).text(style_).integer(attachment_).end();
}

std::shared_ptr<MText> MText::read(RecordReader& reader)
{
    const QString string = reader.text();
    const cad::Point insertion = reader.point();
    const double width = reader.number();
    auto text = std::make_shared<MText>(insertion, width, string);
    text->height_ = reader.number();
    text->style_ = reader.text();
    text->attachment_ = reader.integer();
    if (text->height_ <= 0.0 || text->attachment_ < 1 || text->attachment_ > 9)
        reader.fail(QStringLiteral("text height or attachment out of range"));
    return text;
}

}  // namespace standin
