#include "platform/cad/standin/Dimension.h"

#include "platform/cad/standin/DimensionText.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

#include <cmath>

namespace standin {

namespace {

// Assumption: precision runs from 0 to 8 places, unit formats from 1
// (scientific) to 6 (the desktop's).
constexpr int MaxPrecision = 8;
constexpr int MaxUnitsFormat = 6;

}  // namespace

Dimension::Dimension(int type, QString className, const cad::Point& textPosition)
    : EntityBase(type, std::move(className)), textPosition_(textPosition)
{
}

QString Dimension::styleName() const { return property("StyleName", style_); }

void Dimension::setStyleName(const QString& style)
{
    // Assumption: a dimension takes only a dimension style the drawing has.
    setProperty("StyleName", style_, style, Validate::dimStyle);
}

int Dimension::primaryUnitsPrecision() const { return property("PrimaryUnitsPrecision", precision_); }

void Dimension::setPrimaryUnitsPrecision(int precision)
{
    setProperty("PrimaryUnitsPrecision", precision_, precision,
                Validate::inRange(0, MaxPrecision, QStringLiteral("the precision")));
}

int Dimension::unitsFormat() const { return property("UnitsFormat", unitsFormat_); }

void Dimension::setUnitsFormat(int format)
{
    setProperty("UnitsFormat", unitsFormat_, format,
                Validate::inRange(1, MaxUnitsFormat, QStringLiteral("the unit format")));
}

QString Dimension::textSuffix() const { return property("TextSuffix", suffix_); }

void Dimension::setTextSuffix(const QString& suffix) { setProperty("TextSuffix", suffix_, suffix); }

QString Dimension::textOverride() const { return property("TextOverride", override_); }

void Dimension::setTextOverride(const QString& text) { setProperty("TextOverride", override_, text); }

double Dimension::scaleFactor() const { return property("ScaleFactor", scaleFactor_); }

void Dimension::setScaleFactor(double factor)
{
    setProperty("ScaleFactor", scaleFactor_, factor, Validate::zeroOrMore(QStringLiteral("the scale factor")));
}

double Dimension::arrowheadSize() const { return property("ArrowheadSize", arrowheadSize_); }

void Dimension::setArrowheadSize(double size)
{
    setProperty("ArrowheadSize", arrowheadSize_, size, Validate::zeroOrMore(QStringLiteral("the arrowhead size")));
}

double Dimension::measurement() const { return property("Measurement", measured()); }

cad::Point Dimension::textPosition() const { return property("TextPosition", textPosition_); }

void Dimension::setTextPosition(const cad::Point& point) { setProperty("TextPosition", textPosition_, point); }

QString Dimension::displayText() const
{
    const QString value = measuresAngle() ? DimensionText::angle(measured(), precision_)
                                          : DimensionText::length(measured(), unitsFormat_, precision_);
    const QString measurementText = prefix() + value + suffix_;
    if (override_.isEmpty())
        return measurementText;
    QString text = override_;
    return text.replace(QStringLiteral("<>"), measurementText);
}

void Dimension::listNames(std::vector<NameRef>& names)
{
    EntityBase::listNames(names);
    names.push_back({SymbolKind::DimStyle, &style_});
}

void Dimension::writeProperties(RecordWriter& writer) const
{
    writer.text(style_).integer(precision_).integer(unitsFormat_).text(suffix_).text(override_);
    writer.number(scaleFactor_).number(arrowheadSize_);
}

void Dimension::readProperties(RecordReader& reader)
{
    style_ = reader.text();
    precision_ = reader.integer();
    unitsFormat_ = reader.integer();
    suffix_ = reader.text();
    override_ = reader.text();
    scaleFactor_ = reader.number();
    arrowheadSize_ = reader.number();
    if (precision_ < 0 || precision_ > MaxPrecision || unitsFormat_ < 1 || unitsFormat_ > MaxUnitsFormat
        || scaleFactor_ < 0.0 || arrowheadSize_ < 0.0)
        reader.fail(QStringLiteral("dimension properties out of range"));
}

cad::Point Dimension::beyond(const cad::Point& from, const cad::Point& to, double length)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double size = std::hypot(dx, dy);
    if (!(size > 0.0) || !std::isfinite(size))
        return {to.x + length, to.y, to.z};
    return {to.x + dx / size * length, to.y + dy / size * length, to.z};
}

DimensionShape Dimension::shape(DimensionShape::Kind kind, std::vector<cad::Point> points) const
{
    DimensionShape s;
    s.kind = kind;
    s.points = std::move(points);
    s.textPosition = textPosition_;
    s.measurement = measured();
    s.text = displayText();
    s.arrowheadSize = arrowheadSize_;
    s.scaleFactor = scaleFactor_;
    s.style = style_;
    return s;
}

}  // namespace standin
