#pragma once
// A paragraph text ("AcDbMText"): string, width, height, style and
// attachment point (1 top left to 9 bottom right).

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class MText : public EntityBase {
public:
    static const QString Keyword;

    MText(const cad::Point& at, double width, const QString& text);

    QString textString() const override;
    void setTextString(const QString& text) override;
    double height() const override;
    void setHeight(double height) override;
    QString styleName() const override;
    void setStyleName(const QString& style) override;
    int attachmentPoint() const override;
    void setAttachmentPoint(int attachment) override;
    cad::Point insertionPoint() const override;
    void setInsertionPoint(const cad::Point& point) override;

    const QString& rawText() const { return text_; }
    double rawHeight() const { return height_; }
    const QString& rawStyle() const { return style_; }
    int rawAttachment() const { return attachment_; }

    void collectReferences(SymbolReferences& references) const override;
    void renameReferences(const SymbolRenames& renames) override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<MText>(*this); }
    void write(RecordWriter& writer) const override;
    static std::shared_ptr<MText> read(RecordReader& reader);

protected:
    QString detail() const override { return text_; }

private:
    QString text_;
    cad::Point insertion_;
    double width_;
    double height_ = 0.2;
    QString style_ = QStringLiteral("Standard");
    int attachment_ = 1;
};

}  // namespace standin
