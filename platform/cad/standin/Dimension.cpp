#include "platform/cad/standin/Dimension.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString Dimension::AlignedKeyword = QStringLiteral("DIMALIGNED");
const QString Dimension::RotatedKeyword = QStringLiteral("DIMROTATED");

Dimension::Dimension(bool rotated, const cad::Point& first, const cad::Point& second,
                     const cad::Point& textPosition, double rotation)
    : EntityBase(rotated ? cad::entityType::DimRotated : cad::entityType::DimAligned,
                 rotated ? QStringLiteral("AcDbRotatedDimension") : QStringLiteral("AcDbAlignedDimension")),
      rotated_(rotated), first_(first), second_(second), textPosition_(textPosition), rotation_(rotation)
{
}

QString Dimension::styleName() const
{
    enter(member("StyleName"));
    return style_;
}

void Dimension::setStyleName(const QString& style)
{
    const auto drawing = change(member("StyleName"), handle() + QLatin1Char(' ') + style);
    // Assumption: a dimension takes only a dimension style the drawing has.
    style_ = Validate::dimStyle(*drawing, style);
}

int Dimension::primaryUnitsPrecision() const
{
    enter(member("PrimaryUnitsPrecision"));
    return precision_;
}

void Dimension::setPrimaryUnitsPrecision(int precision)
{
    change(member("PrimaryUnitsPrecision"), handle() + QLatin1Char(' ') + QString::number(precision));
    Validate::range(precision, 0, 8, QStringLiteral("the precision"));
    precision_ = precision;
}

int Dimension::unitsFormat() const
{
    enter(member("UnitsFormat"));
    return unitsFormat_;
}

void Dimension::setUnitsFormat(int format)
{
    change(member("UnitsFormat"), handle() + QLatin1Char(' ') + QString::number(format));
    // Assumption: unit formats run from 1 (scientific) to 6 (the desktop's).
    Validate::range(format, 1, 6, QStringLiteral("the unit format"));
    unitsFormat_ = format;
}

QString Dimension::textSuffix() const
{
    enter(member("TextSuffix"));
    return suffix_;
}

void Dimension::setTextSuffix(const QString& suffix)
{
    change(member("TextSuffix"), handle() + QLatin1Char(' ') + suffix);
    suffix_ = suffix;
}

QString Dimension::textOverride() const
{
    enter(member("TextOverride"));
    return override_;
}

void Dimension::setTextOverride(const QString& text)
{
    change(member("TextOverride"), handle() + QLatin1Char(' ') + text);
    override_ = text;
}

double Dimension::scaleFactor() const
{
    enter(member("ScaleFactor"));
    return scaleFactor_;
}

void Dimension::setScaleFactor(double factor)
{
    change(member("ScaleFactor"), handle() + QLatin1Char(' ') + JournalText::number(factor));
    Validate::notNegative(factor, QStringLiteral("the scale factor"));
    scaleFactor_ = factor;
}

double Dimension::arrowheadSize() const
{
    enter(member("ArrowheadSize"));
    return arrowheadSize_;
}

void Dimension::setArrowheadSize(double size)
{
    change(member("ArrowheadSize"), handle() + QLatin1Char(' ') + JournalText::number(size));
    Validate::notNegative(size, QStringLiteral("the arrowhead size"));
    arrowheadSize_ = size;
}

void Dimension::collectReferences(SymbolReferences& references) const
{
    EntityBase::collectReferences(references);
    references.add(SymbolKind::DimStyle, style_);
}

void Dimension::renameReferences(const SymbolRenames& renames)
{
    EntityBase::renameReferences(renames);
    style_ = renames.apply(SymbolKind::DimStyle, style_);
}

void Dimension::write(RecordWriter& writer) const
{
    writeHead(writer, rotated_ ? RotatedKeyword : AlignedKeyword);
    writer.point(first_).point(second_).point(textPosition_).number(rotation_).text(style_);
    writer.integer(precision_).integer(unitsFormat_).text(suffix_).text(override_);
    writer.number(scaleFactor_).number(arrowheadSize_).end();
}

std::shared_ptr<Dimension> Dimension::read(RecordReader& reader)
{
    const bool rotated = reader.keyword() == RotatedKeyword;
    const cad::Point first = reader.point();
    const cad::Point second = reader.point();
    const cad::Point text = reader.point();
    const double rotation = reader.number();
    auto dimension = std::make_shared<Dimension>(rotated, first, second, text, rotation);
    dimension->style_ = reader.text();
    dimension->precision_ = reader.integer();
    dimension->unitsFormat_ = reader.integer();
    dimension->suffix_ = reader.text();
    dimension->override_ = reader.text();
    dimension->scaleFactor_ = reader.number();
    dimension->arrowheadSize_ = reader.number();
    return dimension;
}

}  // namespace standin
