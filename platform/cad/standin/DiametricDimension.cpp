#include "platform/cad/standin/DiametricDimension.h"

#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"

#include <cmath>

namespace standin {

const QString DiametricDimension::Keyword = QStringLiteral("DIMDIAMETRIC");

DiametricDimension::DiametricDimension(const cad::Point& chordPoint, const cad::Point& farChordPoint,
                                       double leaderLength)
    : Dimension(cad::entityType::DimDiametric, QStringLiteral("AcDbDiametricDimension"),
                beyond(farChordPoint, chordPoint, leaderLength)),
      chord_(chordPoint), farChord_(farChordPoint), leaderLength_(leaderLength)
{
}

double DiametricDimension::measured() const { return std::hypot(farChord_.x - chord_.x, farChord_.y - chord_.y); }

void DiametricDimension::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.point(chord_).point(farChord_).number(leaderLength_).point(textPosition_);
    writeProperties(writer);
    writer.end();
}

void DiametricDimension::accept(ShapeVisitor& visitor) const
{
    visitor.dimension(*this, shape(DimensionShape::Kind::Diametric, {chord_, farChord_}));
}

std::shared_ptr<DiametricDimension> DiametricDimension::read(RecordReader& reader)
{
    const cad::Point chord = reader.point();
    const cad::Point farChord = reader.point();
    const double leader = reader.number();
    if (leader < 0.0)
        reader.fail(QStringLiteral("negative leader length"));
    auto dimension = std::make_shared<DiametricDimension>(chord, farChord, leader);
    dimension->textPosition_ = reader.point();
    dimension->readProperties(reader);
    return dimension;
}

}  // namespace standin
