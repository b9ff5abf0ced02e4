#pragma once
// A paper-space viewport ("AcDbViewport"). Paper space always holds its
// overall viewport first (the sheet itself); the others are the floating
// viewports that show model space around their view centre at their custom
// scale. A new viewport looks at the model point under its own centre.

#include "platform/cad/PViewport.h"
#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class Viewport : public EntityBase, public cad::PViewport {
public:
    static const QString Keyword;

    Viewport(const cad::Point& center, double width, double height, bool overall = false);

    double customScale() const override;
    void setCustomScale(double scale) override;
    void display(bool on) override;
    void remove() override;

    bool isOverall() const { return overall_; }
    bool isOn() const { return on_; }
    double rawScale() const { return scale_; }
    void setRawScale(double scale) { scale_ = scale; }
    // The model point shown at the viewport's centre.
    const cad::Point& viewCenter() const { return viewCenter_; }
    void setViewCenter(const cad::Point& point) { viewCenter_ = point; }

    QString misplacement(const Drawing& drawing, const Block& block) const override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Viewport>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Viewport> read(RecordReader& reader);

protected:
    QString detail() const override;

private:
    cad::Point center_;
    double width_;
    double height_;
    cad::Point viewCenter_;
    double scale_ = 1.0;
    bool on_ = true;
    bool overall_;
};

}  // namespace standin
