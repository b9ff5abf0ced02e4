#pragma once
// A circle ("AcDbCircle"): centre and radius.

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class Circle : public EntityBase {
public:
    static const QString Keyword;

    Circle(const cad::Point& center, double radius);

    cad::Point center() const override;
    void setCenter(const cad::Point& center) override;
    double radius() const override;
    void setRadius(double radius) override;

    std::vector<cad::Point> outline() const override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Circle>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Circle> read(RecordReader& reader);

protected:
    QString detail() const override;

private:
    cad::Point center_;
    double radius_;
};

}  // namespace standin
