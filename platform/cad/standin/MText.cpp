#include "platform/cad/standin/MText.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString MText::Keyword = QStringLiteral("MTEXT");

namespace {

constexpr double DefaultHeight = 0.2;

}  // namespace

MText::MText(const cad::Point& at, double width, const QString& text)
    : TextEntity(cad::entityType::MText, QStringLiteral("AcDbMText"), text, at, DefaultHeight), width_(width)
{
}

int MText::attachmentPoint() const { return property("AttachmentPoint", attachment_); }

void MText::setAttachmentPoint(int attachment)
{
    setProperty("AttachmentPoint", attachment_, attachment,
                Validate::inRange(1, 9, QStringLiteral("the attachment point")));
}

void MText::setInsertionPoint(const cad::Point& point) { setProperty("InsertionPoint", insertion_, point); }

void MText::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.text(text_).point(insertion_).number(width_).number(height_).text(style_).integer(attachment_);
    writer.number(rotation_).end();
}

void MText::accept(ShapeVisitor& visitor) const
{
    visitor.paragraph(*this, {text_, insertion_, width_, height_, rotation_, attachment_, style_});
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
    if (!reader.atEnd())
        text->rotation_ = reader.number();
    if (width < 0.0 || text->height_ <= 0.0 || text->attachment_ < 1 || text->attachment_ > 9)
        reader.fail(QStringLiteral("text width, height or attachment out of range"));
    return text;
}

}  // namespace standin
