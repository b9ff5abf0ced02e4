#include "platform/cad/standin/Hatch.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/RecordReader.h"
#include "platform/cad/standin/RecordWriter.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/cad/standin/Validate.h"

#include <algorithm>
#include <cmath>

namespace standin {

const QString Hatch::Keyword = QStringLiteral("HATCH");

namespace {

// More boundary points than any drawing of the tools holds; a file claiming
// more is damaged.
constexpr int MostPoints = 100000;

bool near(const cad::Point& a, const cad::Point& b)
{
    const double scale = std::max({1.0, std::abs(a.x), std::abs(a.y), std::abs(b.x), std::abs(b.y)});
    return std::abs(a.x - b.x) <= 1e-9 * scale && std::abs(a.y - b.y) <= 1e-9 * scale;
}

[[noreturn]] void refuse(const QString& why) { cad::raise(cad::err::InvalidInput, why); }

}  // namespace

Hatch::Hatch(int patternType, const QString& patternName, bool associative)
    : EntityBase(cad::entityType::Hatch, QStringLiteral("AcDbHatch")), patternType_(patternType),
      patternName_(patternName), associative_(associative)
{
}

void Hatch::checkPattern(int patternType, const QString& patternName)
{
    // Assumption: pattern types run from 0 (predefined) to 2 (custom), and a
    // pattern's name follows the rules of the drawing's other names.
    Validate::range(patternType, 0, 2, QStringLiteral("the pattern type"));
    Validate::symbolName(patternName);
}

QString Hatch::patternName() const { return property("PatternName", patternName_); }

int Hatch::patternType() const { return property("PatternType", patternType_); }

void Hatch::setPattern(int patternType, const QString& patternName)
{
    change(member("SetPattern"), handle() + QLatin1Char(' ') + QString::number(patternType) + QLatin1Char(' ')
                                     + patternName);
    checkPattern(patternType, patternName);
    patternType_ = patternType;
    patternName_ = patternName;
}

void Hatch::appendOuterLoop(const std::vector<std::shared_ptr<cad::Entity>>& loop)
{
    QStringList handles;
    for (const auto& object : loop) {
        const auto* entity = dynamic_cast<const EntityBase*>(object.get());
        handles.append(entity ? entity->handle() : QStringLiteral("?"));
    }
    const auto drawing = change(member("AppendOuterLoop"), handle() + QLatin1Char(' ') + handles.join(QLatin1Char(' ')));
    // Assumption: a hatch has one outer loop, made of objects of its own
    // drawing that bound an area (lines, arcs, circles, polylines) given end
    // to end, each either way round; the last must come back to where the
    // first began.
    if (!boundary_.empty())
        refuse(QStringLiteral("the hatch has its outer loop"));
    if (loop.empty())
        refuse(QStringLiteral("an outer loop needs objects"));
    std::vector<cad::Point> points;
    for (const auto& object : loop) {
        const auto* entity = dynamic_cast<const EntityBase*>(object.get());
        if (!entity || entity->weakDrawing().lock() != drawing)
            refuse(QStringLiteral("a loop takes objects of the hatch's drawing"));
        std::vector<cad::Point> path = entity->outline();
        if (path.size() < 2)
            refuse(QStringLiteral("%1 cannot bound a hatch").arg(entity->describe()));
        if (!points.empty()) {
            if (near(path.back(), points.back()))
                std::reverse(path.begin(), path.end());
            if (!near(path.front(), points.back()))
                refuse(QStringLiteral("the loop is not joined at %1").arg(entity->describe()));
            path.erase(path.begin());
        }
        points.insert(points.end(), path.begin(), path.end());
    }
    if (points.size() < 4 || !near(points.front(), points.back()))
        refuse(QStringLiteral("the loop is not closed"));
    points.pop_back();
    boundary_ = std::move(points);
}

void Hatch::write(RecordWriter& writer) const
{
    writeHead(writer, Keyword);
    writer.integer(patternType_).text(patternName_).flag(associative_).integer(static_cast<int>(boundary_.size()));
    for (const cad::Point& point : boundary_)
        writer.point(point);
    writer.end();
}

void Hatch::accept(ShapeVisitor& visitor) const { visitor.hatch(*this, {patternName_, patternType_, boundary_}); }

std::shared_ptr<Hatch> Hatch::read(RecordReader& reader)
{
    const int type = reader.integer();
    const QString name = reader.text();
    const bool associative = reader.flag();
    const int count = reader.integer();
    if (type < 0 || type > 2 || !Validate::isSymbolName(name))
        reader.fail(QStringLiteral("hatch pattern out of range"));
    if (count < 0 || (count > 0 && count < 3) || count > MostPoints)
        reader.fail(QStringLiteral("a hatch boundary needs 3 or more points"));
    auto hatch = std::make_shared<Hatch>(type, name, associative);
    for (int i = 0; i < count; ++i)
        hatch->boundary_.push_back(reader.point());
    return hatch;
}

}  // namespace standin
