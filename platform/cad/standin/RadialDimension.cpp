#include "platform/cad/standin/RadialDimension.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

#include <cmath>

namespace standin {

const QString RadialDimension::Keyword = QStringLiteral("DIMRADIAL");

RadialDimension::RadialDimension(const cad::Point& center, const cad::Point& chordPoint, double leaderLength)
    : Dimension(cad::entityType::DimRadial, QStringLiteral("AcDbRadialDimension"),
                beyond(center, chordPoint, leaderLength)),
      center_(center), chord_(chordPoint), leaderLength_(leaderLength)
{
}

double RadialDimension::measured() const { return std::hypot(chord_.x - center_.x, chord_.y - center_.y); }

void RadialDimension::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(center_).point(chord_).number(leaderLength_).point(textPosition_);
    writeProperties(writer);
    writer.end();
}

void RadialDimension::accept(ShapeVisitor& visitor) const
{
    visitor.dimension(*this, shape(DimensionShape::Kind::Radial, {center_, chord_}));
}

std::shared_ptr<RadialDimension> RadialDimension::read(RecordReader& reader)
{
    const cad::Point center = reader.point();
    const cad::Point chord = reader.point();
    const double leader = reader.number();
    if (leader < 0.0)
        reader.fail(QStringLiteral("negative leader length"));
    auto dimension = std::make_shared<RadialDimension>(center, chord, leader);
    dimension->textPosition_ = reader.point();
    dimension->readProperties(reader);
    return dimension;
}

}  // namespace standin
