#include "platform/cad/standin/Leader.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

namespace standin {

const QString Leader::Keyword = QStringLiteral("LEADER");

namespace {

// Types 2 and 3 end in an arrowhead; 0 and 1 do not.
constexpr int FirstTypeWithArrow = 2;

}  // namespace

Leader::Leader(std::vector<cad::Point> points, int type)
    : EntityBase(cad::entityType::Leader, QStringLiteral("AcDbLeader")), points_(std::move(points)), type_(type)
{
}

double Leader::arrowheadSize() const { return property("ArrowheadSize", arrowheadSize_); }

void Leader::setArrowheadSize(double size)
{
    setProperty("ArrowheadSize", arrowheadSize_, size, Validate::zeroOrMore(QStringLiteral("the arrowhead size")));
}

double Leader::scaleFactor() const { return property("ScaleFactor", scaleFactor_); }

void Leader::setScaleFactor(double factor)
{
    setProperty("ScaleFactor", scaleFactor_, factor, Validate::zeroOrMore(QStringLiteral("the scale factor")));
}

QString Leader::styleName() const { return property("StyleName", style_); }

void Leader::setStyleName(const QString& style)
{
    // Assumption: leaders, like dimensions, take dimension styles.
    setProperty("StyleName", style_, style, Validate::dimStyle);
}

void Leader::listNames(std::vector<NameRef>& names)
{
    EntityBase::listNames(names);
    names.push_back({SymbolKind::DimStyle, &style_});
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

void Leader::accept(ShapeVisitor& visitor) const
{
    visitor.leader(*this, {points_, type_ >= FirstTypeWithArrow, arrowheadSize_, scaleFactor_});
}

std::shared_ptr<Leader> Leader::read(RecordReader& reader)
{
    const int type = reader.integer();
    const double arrow = reader.number();
    const double scale = reader.number();
    const QString style = reader.text();
    const int count = reader.integer();
    if (type < 0 || type > 3 || arrow < 0.0 || scale < 0.0)
        reader.fail(QStringLiteral("leader type, arrowhead or scale out of range"));
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
