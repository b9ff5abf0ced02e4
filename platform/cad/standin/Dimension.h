#pragma once
// A linear dimension, aligned ("AcDbAlignedDimension") or rotated
// ("AcDbRotatedDimension"): its points, dimension style and the text
// properties the tools change (precision, unit format, suffix, override).

#include "platform/cad/standin/EntityBase.h"

namespace standin {

class RecordReader;

class Dimension : public EntityBase {
public:
    static const QString AlignedKeyword;
    static const QString RotatedKeyword;

    // A rotated dimension when `rotated`, an aligned one otherwise.
    Dimension(bool rotated, const cad::Point& first, const cad::Point& second, const cad::Point& textPosition,
              double rotation);

    QString styleName() const override;
    void setStyleName(const QString& style) override;
    int primaryUnitsPrecision() const override;
    void setPrimaryUnitsPrecision(int precision) override;
    int unitsFormat() const override;
    void setUnitsFormat(int format) override;
    QString textSuffix() const override;
    void setTextSuffix(const QString& suffix) override;
    QString textOverride() const override;
    void setTextOverride(const QString& text) override;
    double scaleFactor() const override;
    void setScaleFactor(double factor) override;
    double arrowheadSize() const override;
    void setArrowheadSize(double size) override;

    const QString& rawStyle() const { return style_; }
    int rawPrecision() const { return precision_; }
    int rawUnitsFormat() const { return unitsFormat_; }
    const QString& rawSuffix() const { return suffix_; }
    const QString& rawOverride() const { return override_; }

    void collectReferences(SymbolReferences& references) const override;
    void renameReferences(const SymbolRenames& renames) override;
    std::shared_ptr<EntityBase> clone() const override { return std::make_shared<Dimension>(*this); }
    void write(RecordWriter& writer) const override;
    static std::shared_ptr<Dimension> read(RecordReader& reader);

private:
    bool rotated_;
    cad::Point first_;
    cad::Point second_;
    cad::Point textPosition_;
    double rotation_;
    QString style_ = QStringLiteral("Standard");
    int precision_ = 4;
    int unitsFormat_ = 2;
    QString suffix_;
    QString override_;
    double scaleFactor_ = 1.0;
    double arrowheadSize_ = 0.18;
};

}  // namespace standin
