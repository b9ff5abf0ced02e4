#pragma once
// A lightweight polyline ("AcDbPolyline"): straight segments through its
// vertices in the plane, open or closed (the last vertex joined back to the
// first).

#include "platform/cad/standin/EntityBase.h"

#include <vector>

namespace standin {

class RecordReader;

class LightweightPolyline : public EntityBase {
public:
    static const QString Keyword;

    explicit LightweightPolyline(std::vector<cad::Point2> vertices);

    std::vector<double> coordinates() const override;
    void setCoordinates(const std::vector<double>& coordinates) override;
    bool closed() const override;
    void setClosed(bool closed) override;

    // The vertices of a list of X and Y in turn; InvalidInput for a list that
    // does not give two vertices or more.
    static std::vector<cad::Point2> vertices(const std::vector<double>& coordinates);
    // The list as a journal writes it: "x,y x,y ...".
    static QString journalText(const std::vector<double>& coordinates);

    std::vector<cad::Point> outline() const override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<LightweightPolyline>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<LightweightPolyline> read(RecordReader& reader);

protected:
    QString detail() const override;

private:
    std::vector<cad::Point2> vertices_;
    bool closed_ = false;
};

}  // namespace standin
