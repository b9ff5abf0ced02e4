#include "platform/cad/standin/Circle.h"

#include "platform/cad/standin/Arc.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

#include <numbers>

namespace standin {

const QString Circle::Keyword = QStringLiteral("CIRCLE");

Circle::Circle(const cad::Point& center, double radius)
    : EntityBase(cad::entityType::Circle, QStringLiteral("AcDbCircle")), center_(center), radius_(radius)
{
}

cad::Point Circle::center() const { return property("Center", center_); }

void Circle::setCenter(const cad::Point& center) { setProperty("Center", center_, center); }

double Circle::radius() const { return property("Radius", radius_); }

void Circle::setRadius(double radius)
{
    // Assumption: a circle's radius is greater than 0.
    setProperty("Radius", radius_, radius, Validate::greaterThanZero(QStringLiteral("the radius")));
}

std::vector<cad::Point> Circle::outline() const
{
    return Arc::pointsAlong(center_, radius_, 0.0, 2.0 * std::numbers::pi);
}

void Circle::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(center_).number(radius_).end();
}

void Circle::accept(ShapeVisitor& visitor) const { visitor.circle(*this, {center_, radius_}); }

std::shared_ptr<Circle> Circle::read(RecordReader& reader)
{
    const cad::Point center = reader.point();
    const double radius = reader.number();
    if (radius <= 0.0)
        reader.fail(QStringLiteral("a circle needs a radius"));
    return std::make_shared<Circle>(center, radius);
}

QString Circle::detail() const
{
    return JournalText::point(center_) + QStringLiteral(" radius ") + JournalText::number(radius_);
}

}  // namespace standin
