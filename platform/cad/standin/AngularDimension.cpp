#include "platform/cad/standin/AngularDimension.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

#include <cmath>

namespace standin {

const QString AngularDimension::Keyword = QStringLiteral("DIMANGULAR");

AngularDimension::AngularDimension(const cad::Point& vertex, const cad::Point& firstEnd, const cad::Point& secondEnd,
                                   const cad::Point& textPosition)
    : Dimension(cad::entityType::DimAngular, QStringLiteral("AcDbLineAngularDimension"), textPosition),
      vertex_(vertex), first_(firstEnd), second_(secondEnd)
{
}

double AngularDimension::measured() const
{
    const double ax = first_.x - vertex_.x;
    const double ay = first_.y - vertex_.y;
    const double bx = second_.x - vertex_.x;
    const double by = second_.y - vertex_.y;
    return std::abs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
}

void AngularDimension::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(vertex_).point(first_).point(second_).point(textPosition_);
    writeProperties(writer);
    writer.end();
}

void AngularDimension::accept(ShapeVisitor& visitor) const
{
    visitor.dimension(*this, shape(DimensionShape::Kind::Angular, {vertex_, first_, second_}));
}

std::shared_ptr<AngularDimension> AngularDimension::read(RecordReader& reader)
{
    const cad::Point vertex = reader.point();
    const cad::Point first = reader.point();
    const cad::Point second = reader.point();
    const cad::Point text = reader.point();
    auto dimension = std::make_shared<AngularDimension>(vertex, first, second, text);
    dimension->readProperties(reader);
    return dimension;
}

}  // namespace standin
