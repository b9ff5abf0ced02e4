#pragma once
// A paragraph text ("AcDbMText"): string, width, height, style and
// attachment point (1 top left to 9 bottom right).

#include "platform/cad/standin/TextEntity.h"

namespace standin {

class RecordReader;

class MText : public TextEntity {
public:
    static const QString Keyword;

    MText(const cad::Point& at, double width, const QString& text);

    int attachmentPoint() const override;
    void setAttachmentPoint(int attachment) override;
    void setInsertionPoint(const cad::Point& point) override;

    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<MText>(*this); }
    void write(RecordWriter& writer) const override;
    void accept(ShapeVisitor& visitor) const override;
    static std::shared_ptr<MText> read(RecordReader& reader);

private:
    double width_;
    int attachment_ = 1;
};

}  // namespace standin
