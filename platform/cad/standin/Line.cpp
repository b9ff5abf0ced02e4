#include "platform/cad/standin/Line.h"

#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"

namespace standin {

const QString Line::Keyword = QStringLiteral("LINE");

Line::Line(const cad::Point& start, const cad::Point& end)
    : EntityBase(cad::entityType::Line, QStringLiteral("AcDbLine")), start_(start), end_(end)
{
}

cad::Point Line::endPoint() const { return property("EndPoint", end_); }

void Line::setEndPoint(const cad::Point& point) { setProperty("EndPoint", end_, point); }

void Line::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(start_).point(end_).end();
}

void Line::accept(ShapeVisitor& visitor) const { visitor.line(*this, {start_, end_}); }

std::shared_ptr<Line> Line::read(RecordReader& reader)
{
    const cad::Point start = reader.point();
    const cad::Point end = reader.point();
    return std::make_shared<Line>(start, end);
}

QString Line::detail() const { return JournalText::point(start_) + QStringLiteral(" to ") + JournalText::point(end_); }

}  // namespace standin
