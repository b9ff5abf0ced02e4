#pragma once
// What every kind of dimension shares: its dimension style, the text
// properties the tools change (precision, unit format, suffix, override),
// scale factor and arrowhead size, where its text stands, and the text it
// shows, worked out from what it measures. Each kind adds its defining points
// and how it measures.

#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Shapes.h"

namespace standin {

class RecordReader;

class Dimension : public EntityBase {
public:
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
    double measurement() const override;
    cad::Point textPosition() const override;
    void setTextPosition(const cad::Point& point) override;

    // What the dimension measures, without guards: a length in drawing units,
    // or an angle in radians.
    virtual double measured() const = 0;
    // The text the dimension shows: with no override its measurement as
    // formatted, between its prefix and its suffix; an override stands
    // instead, any "<>" in it replaced by that measurement text.
    QString displayText() const;

    const QString& rawStyle() const { return style_; }

    void listNames(std::vector<NameRef>& names) override;

protected:
    Dimension(int type, QString className, const cad::Point& textPosition);

    // Shown before the measurement ("R" on a radius).
    virtual QString prefix() const { return QString(); }
    virtual bool measuresAngle() const { return false; }

    // The fields every dimension's record ends with, after the kind's own.
    void writeProperties(RecordWriter& writer) const;
    void readProperties(RecordReader& reader);
    // The point `length` beyond `to`, away from `from` (straight right of `to`
    // when the two coincide): where a radius or diameter puts its text.
    static cad::Point beyond(const cad::Point& from, const cad::Point& to, double length);
    // The shape with everything the kinds share filled in.
    DimensionShape shape(DimensionShape::Kind kind, std::vector<cad::Point> points) const;
    QString detail() const override { return displayText(); }

    cad::Point textPosition_;

private:
    QString style_ = QStringLiteral("Standard");
    int precision_ = 4;
    int unitsFormat_ = 2;
    QString suffix_;
    QString override_;
    double scaleFactor_ = 1.0;
    double arrowheadSize_ = 0.18;
};

}  // namespace standin
