#pragma once
// A radius dimension ("AcDbRadialDimension"): the centre and a point on the
// circle; its text stands on the leader that goes on outside that point.

#include "platform/cad/standin/Dimension.h"

namespace standin {

class RadialDimension : public Dimension {
public:
    static const QString Keyword;

    RadialDimension(const cad::Point& center, const cad::Point& chordPoint, double leaderLength);

    double measured() const override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<RadialDimension>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<RadialDimension> read(RecordReader& reader);

protected:
    QString prefix() const override { return QStringLiteral("R"); }

private:
    cad::Point center_;
    cad::Point chord_;
    double leaderLength_;
};

}  // namespace standin
