#pragma once
// A linear dimension, aligned ("AcDbAlignedDimension": the distance between
// its two points) or rotated ("AcDbRotatedDimension": that distance measured
// along its rotation).

#include "platform/cad/standin/Dimension.h"

namespace standin {

class LinearDimension : public Dimension {
public:
    static const QString AlignedKeyword;
    static const QString RotatedKeyword;

    // A rotated dimension when `rotated`, an aligned one otherwise.
    LinearDimension(bool rotated, const cad::Point& first, const cad::Point& second, const cad::Point& textPosition,
                    double rotation);

    double measured() const override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<LinearDimension>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<LinearDimension> read(RecordReader& reader);

private:
    bool rotated_;
    cad::Point first_;
    cad::Point second_;
    double rotation_;
};

}  // namespace standin
