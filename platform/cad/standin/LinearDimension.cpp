#include "platform/cad/standin/LinearDimension.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

#include <cmath>

namespace standin {

const QString LinearDimension::AlignedKeyword = QStringLiteral("DIMALIGNED");
const QString LinearDimension::RotatedKeyword = QStringLiteral("DIMROTATED");

LinearDimension::LinearDimension(bool rotated, const cad::Point& first, const cad::Point& second,
                                 const cad::Point& textPosition, double rotation)
    : Dimension(rotated ? cad::entityType::DimRotated : cad::entityType::DimAligned,
                rotated ? QStringLiteral("AcDbRotatedDimension") : QStringLiteral("AcDbAlignedDimension"),
                textPosition),
      rotated_(rotated), first_(first), second_(second), rotation_(rotation)
{
}

double LinearDimension::measured() const
{
    const double dx = second_.x - first_.x;
    const double dy = second_.y - first_.y;
    if (rotated_)
        return std::abs(dx * std::cos(rotation_) + dy * std::sin(rotation_));
    return std::hypot(dx, dy);
}

void LinearDimension::write(RecordWriter& writer) const
{
    writeHead(writer, rotated_ ? RotatedKeyword : AlignedKeyword);
    writer.point(first_).point(second_).point(textPosition_).number(rotation_);
    writeProperties(writer);
    writer.end();
}

void LinearDimension::accept(ShapeVisitor& visitor) const
{
    DimensionShape s = shape(rotated_ ? DimensionShape::Kind::Rotated : DimensionShape::Kind::Aligned,
                             {first_, second_});
    s.rotation = rotation_;
    visitor.dimension(*this, s);
}

std::shared_ptr<LinearDimension> LinearDimension::read(RecordReader& reader)
{
    const bool rotated = reader.keyword() == RotatedKeyword;
    const cad::Point first = reader.point();
    const cad::Point second = reader.point();
    const cad::Point text = reader.point();
    const double rotation = reader.number();
    auto dimension = std::make_shared<LinearDimension>(rotated, first, second, text, rotation);
    dimension->readProperties(reader);
    return dimension;
}

}  // namespace standin
