#include "platform/cad/standin/Text.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString Text::Keyword = QStringLiteral("TEXT");

namespace {

constexpr int AlignedAlignment = 3;
constexpr int FitAlignment = 5;

cad::Point shifted(const cad::Point& p, const cad::Point& from, const cad::Point& to)
{
    return {p.x + to.x - from.x, p.y + to.y - from.y, p.z + to.z - from.z};
}

}  // namespace

Text::Text(const QString& text, const cad::Point& at, double height)
    : TextEntity(cad::entityType::Text, QStringLiteral("AcDbText"), text, at, height), alignmentPoint_(at)
{
}

int Text::alignment() const { return property("Alignment", alignment_); }

void Text::setAlignment(int alignment)
{
    setProperty("Alignment", alignment_, alignment, Validate::inRange(0, 14, QStringLiteral("the text alignment")));
}

cad::Point Text::textAlignmentPoint() const { return property("TextAlignmentPoint", alignmentPoint_); }

void Text::setTextAlignmentPoint(const cad::Point& point)
{
    change(member("TextAlignmentPoint"), handle() + QLatin1Char(' ') + JournalText::point(point));
    // Assumption: a left-aligned text is placed by its insertion point alone;
    // the host refuses to set its alignment point.
    if (alignment_ == 0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("a left-aligned text has no alignment point"));
    // Assumption: an aligned or fitted text runs from its insertion point to
    // its alignment point, so that point is the baseline's far end and moves
    // alone; any other alignment carries the text with it.
    if (alignment_ != AlignedAlignment && alignment_ != FitAlignment)
        insertion_ = shifted(insertion_, alignmentPoint_, point);
    alignmentPoint_ = point;
}

void Text::setInsertionPoint(const cad::Point& point)
{
    change(member("InsertionPoint"), handle() + QLatin1Char(' ') + JournalText::point(point));
    alignmentPoint_ = shifted(alignmentPoint_, insertion_, point);
    insertion_ = point;
}

void Text::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.text(text_).point(insertion_).point(alignmentPoint_).number(height_).text(style_).integer(alignment_);
    writer.number(rotation_).end();
}

void Text::accept(ShapeVisitor& visitor) const
{
    visitor.text(*this, {text_, insertion_, alignmentPoint_, height_, rotation_, alignment_, style_});
}

std::shared_ptr<Text> Text::read(RecordReader& reader)
{
    const QString string = reader.text();
    const cad::Point insertion = reader.point();
    const cad::Point alignmentPoint = reader.point();
    const double height = reader.number();
    auto text = std::make_shared<Text>(string, insertion, height);
    text->alignmentPoint_ = alignmentPoint;
    text->style_ = reader.text();
    text->alignment_ = reader.integer();
    if (!reader.atEnd())
        text->rotation_ = reader.number();
    if (height <= 0.0 || text->alignment_ < 0 || text->alignment_ > 14)
        reader.fail(QStringLiteral("text height or alignment out of range"));
    return text;
}

}  // namespace standin
