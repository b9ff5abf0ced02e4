#pragma once
// A line entity ("AcDbLine"): start and end point.

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class Line : public EntityBase {
public:
    static const QString Keyword;

    Line(const cad::Point& start, const cad::Point& end);

    cad::Point endPoint() const override;
    void setEndPoint(const cad::Point& point) override;

    std::vector<cad::Point> outline() const override { return {start_, end_}; }
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Line>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Line> read(RecordReader& reader);

protected:
    QString detail() const override;

private:
    cad::Point start_;
    cad::Point end_;
};

}  // namespace standin
