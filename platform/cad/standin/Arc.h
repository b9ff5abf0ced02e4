#pragma once
// An arc ("AcDbArc"): centre, radius, and the angles it runs between,
// counter-clockwise from the start angle to the end angle.

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class Arc : public EntityBase {
public:
    static const QString Keyword;

    // The angles are taken into one turn (see setStartAngle).
    Arc(const cad::Point& center, double radius, double startAngle, double endAngle);

    cad::Point center() const override;
    void setCenter(const cad::Point& center) override;
    double radius() const override;
    void setRadius(double radius) override;
    double startAngle() const override;
    void setStartAngle(double angle) override;
    double endAngle() const override;
    void setEndAngle(double angle) override;

    // The angle as the host keeps it, from 0 up to a full turn; InvalidInput
    // for an angle that is not a finite number.
    static double withinTurn(double angle);
    // Points along a circle from `startAngle`, counter-clockwise through
    // `sweep`, no more than 5 degrees apart; the last point is the end.
    static std::vector<cad::Point> pointsAlong(const cad::Point& center, double radius, double startAngle,
                                               double sweep);

    std::vector<cad::Point> outline() const override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Arc>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Arc> read(RecordReader& reader);

protected:
    QString detail() const override;

private:
    cad::Point center_;
    double radius_;
    double startAngle_;
    double endAngle_;
};

}  // namespace standin
