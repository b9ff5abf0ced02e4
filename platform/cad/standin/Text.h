#pragma once
// A single-line text ("AcDbText"): string, height, style, and its alignment
// with the insertion point and the text alignment point. Both points move
// together: setting either shifts the other by the same amount.

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class Text : public EntityBase {
public:
    static const QString Keyword;

    Text(const QString& text, const cad::Point& at, double height);

    QString textString() const override;
    void setTextString(const QString& text) override;
    double height() const override;
    void setHeight(double height) override;
    QString styleName() const override;
    void setStyleName(const QString& style) override;
    int alignment() const override;
    void setAlignment(int alignment) override;
    cad::Point textAlignmentPoint() const override;
    void setTextAlignmentPoint(const cad::Point& point) override;
    cad::Point insertionPoint() const override;
    void setInsertionPoint(const cad::Point& point) override;

    const QString& rawText() const { return text_; }
    double rawHeight() const { return height_; }
    const QString& rawStyle() const { return style_; }
    int rawAlignment() const { return alignment_; }

    void collectReferences(SymbolReferences& references) const override;
    void renameReferences(const SymbolRenames& renames) override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Text>(*this); }
    void write(RecordWriter& writer) const override;
    static std::shared_ptr<Text> read(RecordReader& reader);

protected:
    QString detail() const override { return text_; }

private:
    QString text_;
    cad::Point insertion_;
    cad::Point alignmentPoint_;
    double height_;
    QString style_ = QStringLiteral("Standard");
    int alignment_ = 0;
};

}  // namespace standin
