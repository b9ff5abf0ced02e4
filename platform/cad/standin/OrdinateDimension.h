#pragma once
// An ordinate dimension ("AcDbOrdinateDimension"): the X or the Y of a point,
// its distance from the drawing's origin along that axis, shown at the end of
// a leader from the point.

#include "platform/cad/standin/Dimension.h"

namespace standin {

class OrdinateDimension : public Dimension {
public:
    static const QString Keyword;

    OrdinateDimension(const cad::Point& definitionPoint, const cad::Point& leaderEndPoint, bool xAxis);

    double measured() const override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<OrdinateDimension>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<OrdinateDimension> read(RecordReader& reader);

private:
    cad::Point definition_;
    bool xAxis_;
};

}  // namespace standin
