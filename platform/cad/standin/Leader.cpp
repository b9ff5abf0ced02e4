#include "platform/cad/standin/Leader.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString Leader::Keyword = QStringLiteral("LEADER");

Leader::Leader(std::vector<cad::Point> points, int type)
    : EntityBase(cad::entityType::Leader, QStringLiteral("AcDbLeader")), points_(std::move(points)), type_(type)
{
}

double Leader::arrowheadSize() const
{
    enter(member("ArrowheadSize"));
    return arrowheadSize_;
}

void Leader::setArrowheadSize(double size)
{
    change(member("ArrowheadSize"), handle() + QLatin1Char(' ') + JournalText::number(size));
    Validate::notNegative(size, QStringLiteral("the arrowhead size"));
    arrowheadSize_ = size;
}

double Leader::scaleFactor() const
{
    enter(member("ScaleFactor"));
    return scaleFactor_;
}

void Leader::setScaleFactor(double factor)
{
    change(member("ScaleFactor"), handle() + QLatin1Char(' ') + JournalText::number(factor));
    Validate::notNegative(factor, QStringLiteral("the scale factor"));
    scaleFactor_ = factor;
}

QString Leader::styleName() const
{
    enter(member("StyleName"));
    return style_;
}

void Leader::setStyleName(const QString& style)
{
    const auto drawing = change(member("StyleName"), handle() + QLatin1Char(' ') + style);
    // Assumption: leaders, like dimensions, take dimension styles.
    style_ = Validate::dimStyle(*drawing, style);
}

void Leader::collectReferences(SymbolReferences& references) const
{
    EntityBase::collectReferences(references);
    references.add(SymbolKind::DimStyle, style_);
}

void Leader::renameReferences(const SymbolRenames& renames)
{
    EntityBase::renameReferences(renames);
    style_ = renames.apply(SymbolKind::DimStyle, style_);
}

void Leader::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.integer(type_).number(arrowheadSize_).number(scaleFactor_).text(style_);
    writer.integer(static_cast<int>(points_.size()));
    for (const cad::Point& point : points_)
        writer.point(point);
    writer.end();
}

std::shared_ptr<Leader> Leader::read(RecordReader& reader)
{
    const int type = reader.integer();
    const double arrow = reader.number();
    const double scale = reader.number();
    const QString style = reader.text();
    const int count = reader.integer();
    if (count < 2 || count > 10000)
        reader.fail(QStringLiteral("a leader needs 2 or more vertices"));
    std::vector<cad::Point> points;
    for (int i = 0; i < count; ++i)
        points.push_back(reader.point());
    auto leader = std::make_shared<Leader>(std::move(points), type);
    leader->arrowheadSize_ = arrow;
    leader->scaleFactor_ = scale;
    leader->style_ = style;
    return leader;
}

}  // namespace standin
