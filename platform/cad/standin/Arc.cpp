#include "platform/cad/standin/Arc.h"

#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

#include <cmath>
#include <numbers>

namespace standin {

const QString Arc::Keyword = QStringLiteral("ARC");

namespace {

constexpr double Turn = 2.0 * std::numbers::pi;

}  // namespace

Arc::Arc(const cad::Point& center, double radius, double startAngle, double endAngle)
    : EntityBase(cad::entityType::Arc, QStringLiteral("AcDbArc")), center_(center), radius_(radius),
      startAngle_(withinTurn(startAngle)), endAngle_(withinTurn(endAngle))
{
}

double Arc::withinTurn(double angle)
{
    // Assumption: the host keeps an arc's angles within one turn, from 0 up
    // to 2π, taking any other angle as the same direction; an angle that is
    // no finite number is refused.
    Validate::finite(angle, QStringLiteral("the angle"));
    const double within = std::fmod(angle, Turn);
    const double turned = within < 0.0 ? within + Turn : within;
    // Rounding may carry a tiny negative angle up to the full turn.
    return turned >= Turn ? 0.0 : turned;
}

std::vector<cad::Point> Arc::pointsAlong(const cad::Point& center, double radius, double startAngle, double sweep)
{
    constexpr double Step = std::numbers::pi / 36.0;
    // The small allowance keeps a full turn at 72 steps despite rounding.
    const int segments =
        std::max(1, static_cast<int>(std::ceil(std::min(std::abs(sweep), Turn) / Step - 1e-9)));
    std::vector<cad::Point> points;
    points.reserve(static_cast<size_t>(segments) + 1);
    for (int i = 0; i <= segments; ++i) {
        const double angle = startAngle + sweep * i / segments;
        points.push_back({center.x + radius * std::cos(angle), center.y + radius * std::sin(angle), center.z});
    }
    return points;
}

cad::Point Arc::center() const { return property("Center", center_); }

void Arc::setCenter(const cad::Point& center) { setProperty("Center", center_, center); }

double Arc::radius() const { return property("Radius", radius_); }

void Arc::setRadius(double radius)
{
    // Assumption: an arc's radius is greater than 0.
    setProperty("Radius", radius_, radius, Validate::greaterThanZero(QStringLiteral("the radius")));
}

double Arc::startAngle() const { return property("StartAngle", startAngle_); }

void Arc::setStartAngle(double angle)
{
    setProperty("StartAngle", startAngle_, angle, [](const Drawing&, double value) { return withinTurn(value); });
}

double Arc::endAngle() const { return property("EndAngle", endAngle_); }

void Arc::setEndAngle(double angle)
{
    setProperty("EndAngle", endAngle_, angle, [](const Drawing&, double value) { return withinTurn(value); });
}

std::vector<cad::Point> Arc::outline() const
{
    double sweep = endAngle_ - startAngle_;
    if (sweep <= 0.0)
        sweep += Turn;
    return pointsAlong(center_, radius_, startAngle_, sweep);
}

void Arc::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(center_).number(radius_).number(startAngle_).number(endAngle_).end();
}

void Arc::accept(ShapeVisitor& visitor) const { visitor.arc(*this, {center_, radius_, startAngle_, endAngle_}); }

std::shared_ptr<Arc> Arc::read(RecordReader& reader)
{
    const cad::Point center = reader.point();
    const double radius = reader.number();
    const double start = reader.number();
    const double end = reader.number();
    if (radius <= 0.0 || start < 0.0 || start >= Turn || end < 0.0 || end >= Turn)
        reader.fail(QStringLiteral("arc radius or angles out of range"));
    return std::make_shared<Arc>(center, radius, start, end);
}

QString Arc::detail() const
{
    return JournalText::point(center_) + QStringLiteral(" radius ") + JournalText::number(radius_);
}

}  // namespace standin
