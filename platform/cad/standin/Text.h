#pragma once
// A single-line text ("AcDbText"): string, height, style, and its alignment
// with the insertion point and the text alignment point. Both points move
// together: setting either shifts the other by the same amount, except the
// alignment point of an aligned or fitted text, the far end of its baseline,
// which moves alone.

#include "platform/cad/standin/TextEntity.h"

namespace standin {

class RecordReader;

class Text : public TextEntity {
public:
    static const QString Keyword;

    Text(const QString& text, const cad::Point& at, double height);

    int alignment() const override;
    void setAlignment(int alignment) override;
    cad::Point textAlignmentPoint() const override;
    void setTextAlignmentPoint(const cad::Point& point) override;
    void setInsertionPoint(const cad::Point& point) override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Text>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<Text> read(RecordReader& reader);

private:
    cad::Point alignmentPoint_;
    int alignment_ = 0;
};

}  // namespace standin
