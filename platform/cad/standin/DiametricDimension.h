#pragma once
// A diameter dimension ("AcDbDiametricDimension"): two points across the
// circle; its text stands on the leader that goes on outside the first point.

#include "platform/cad/standin/Dimension.h"

namespace standin {

class DiametricDimension : public Dimension {
public:
    static const QString Keyword;

    DiametricDimension(const cad::Point& chordPoint, const cad::Point& farChordPoint, double leaderLength);

    double measured() const override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<DiametricDimension>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<DiametricDimension> read(RecordReader& reader);

protected:
    QString prefix() const override { return QStringLiteral("%%c"); }

private:
    cad::Point chord_;
    cad::Point farChord_;
    double leaderLength_;
};

}  // namespace standin
