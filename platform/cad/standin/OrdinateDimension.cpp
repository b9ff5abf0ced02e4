#include "platform/cad/standin/OrdinateDimension.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

#include <cmath>

namespace standin {

const QString OrdinateDimension::Keyword = QStringLiteral("DIMORDINATE");

OrdinateDimension::OrdinateDimension(const cad::Point& definitionPoint, const cad::Point& leaderEndPoint, bool xAxis)
    : Dimension(cad::entityType::DimOrdinate, QStringLiteral("AcDbOrdinateDimension"), leaderEndPoint),
      definition_(definitionPoint), xAxis_(xAxis)
{
}

double OrdinateDimension::measured() const { return std::abs(xAxis_ ? definition_.x : definition_.y); }

void OrdinateDimension::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(definition_).point(textPosition_).flag(xAxis_);
    writeProperties(writer);
    writer.end();
}

void OrdinateDimension::accept(ShapeVisitor& visitor) const
{
    DimensionShape s = shape(DimensionShape::Kind::Ordinate, {definition_, textPosition_});
    s.xAxis = xAxis_;
    visitor.dimension(*this, s);
}

std::shared_ptr<OrdinateDimension> OrdinateDimension::read(RecordReader& reader)
{
    const cad::Point definition = reader.point();
    const cad::Point leaderEnd = reader.point();
    const bool xAxis = reader.flag();
    auto dimension = std::make_shared<OrdinateDimension>(definition, leaderEnd, xAxis);
    dimension->readProperties(reader);
    return dimension;
}

}  // namespace standin
