#include "platform/cad/standin/LightweightPolyline.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"

#include <cmath>

namespace standin {

const QString LightweightPolyline::Keyword = QStringLiteral("LWPOLYLINE");

namespace {

// More vertices than any drawing of the tools holds; a file claiming more is
// damaged.
constexpr int MostVertices = 100000;

}  // namespace

LightweightPolyline::LightweightPolyline(std::vector<cad::Point2> vertices)
    : EntityBase(cad::entityType::PolylineLight, QStringLiteral("AcDbPolyline")), vertices_(std::move(vertices))
{
}

std::vector<cad::Point2> LightweightPolyline::vertices(const std::vector<double>& coordinates)
{
    // Assumption: a lightweight polyline is given as the X and Y of each
    // vertex in turn, two vertices or more, every coordinate a finite number.
    if (coordinates.size() < 4 || coordinates.size() % 2 != 0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("a polyline needs pairs of coordinates for two vertices"));
    std::vector<cad::Point2> points;
    for (size_t i = 0; i < coordinates.size(); i += 2) {
        if (!std::isfinite(coordinates[i]) || !std::isfinite(coordinates[i + 1]))
            cad::raise(cad::err::InvalidInput, QStringLiteral("a polyline's coordinates must be numbers"));
        points.push_back({coordinates[i], coordinates[i + 1]});
    }
    return points;
}

QString LightweightPolyline::journalText(const std::vector<double>& coordinates)
{
    QStringList pairs;
    for (size_t i = 0; i + 1 < coordinates.size(); i += 2)
        pairs.append(JournalText::point(cad::Point2{coordinates[i], coordinates[i + 1]}));
    if (coordinates.size() % 2 != 0)
        pairs.append(JournalText::number(coordinates.back()));
    return pairs.join(QLatin1Char(' '));
}

std::vector<double> LightweightPolyline::coordinates() const
{
    enter(member("Coordinates"));
    std::vector<double> list;
    for (const cad::Point2& vertex : vertices_) {
        list.push_back(vertex.x);
        list.push_back(vertex.y);
    }
    return list;
}

void LightweightPolyline::setCoordinates(const std::vector<double>& coordinates)
{
    change(member("Coordinates"), handle() + QLatin1Char(' ') + journalText(coordinates));
    vertices_ = vertices(coordinates);
}

bool LightweightPolyline::closed() const { return property("Closed", closed_); }

void LightweightPolyline::setClosed(bool closed) { setProperty("Closed", closed_, closed); }

std::vector<cad::Point> LightweightPolyline::outline() const
{
    std::vector<cad::Point> points;
    for (const cad::Point2& vertex : vertices_)
        points.push_back({vertex.x, vertex.y, 0.0});
    if (closed_ && !points.empty())
        points.push_back(points.front());
    return points;
}

void LightweightPolyline::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.flag(closed_).integer(static_cast<int>(vertices_.size()));
    for (const cad::Point2& vertex : vertices_)
        writer.point(vertex);
    writer.end();
}

void LightweightPolyline::accept(ShapeVisitor& visitor) const { visitor.polyline(*this, {vertices_, closed_}); }

std::shared_ptr<LightweightPolyline> LightweightPolyline::read(RecordReader& reader)
{
    const bool closed = reader.flag();
    const int count = reader.integer();
    if (count < 2 || count > MostVertices)
        reader.fail(QStringLiteral("a polyline needs 2 or more vertices"));
    std::vector<cad::Point2> points;
    for (int i = 0; i < count; ++i)
        points.push_back(reader.point2());
    auto polyline = std::make_shared<LightweightPolyline>(std::move(points));
    polyline->closed_ = closed;
    return polyline;
}

QString LightweightPolyline::detail() const
{
    return QStringLiteral("%1 vertices%2").arg(vertices_.size()).arg(closed_ ? QStringLiteral(", closed") : QString());
}

}  // namespace standin
