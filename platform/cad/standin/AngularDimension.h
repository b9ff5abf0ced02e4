#pragma once
// An angle between two lines ("AcDbLineAngularDimension"): the lines run from
// the vertex through each end point; the angle measured is the one between
// them, at most half a turn.

#include "platform/cad/standin/Dimension.h"

namespace standin {

class AngularDimension : public Dimension {
public:
    static const QString Keyword;

    AngularDimension(const cad::Point& vertex, const cad::Point& firstEnd, const cad::Point& secondEnd,
                     const cad::Point& textPosition);

    double measured() const override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<AngularDimension>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<AngularDimension> read(RecordReader& reader);

protected:
    bool measuresAngle() const override { return true; }

private:
    cad::Point vertex_;
    cad::Point first_;
    cad::Point second_;
};

}  // namespace standin
