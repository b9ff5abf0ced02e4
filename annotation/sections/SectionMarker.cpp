#include "annotation/sections/SectionMarker.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/Document.h"
#include "platform/runtime/PassOver.h"

#include <array>
#include <cmath>

namespace sections {

namespace {

const QString Orthomode = QStringLiteral("Orthomode");
const QString DimScaleVariable = QStringLiteral("dimscale");
const QString LastPrompt = QStringLiteral("lastprompt");
const QString CancelMarker = QStringLiteral("*Cancel*");
// A straight leader ending in an arrowhead.
constexpr int LeaderWithArrow = 2;

}  // namespace

SectionMarker::SectionMarker(std::shared_ptr<cad::Document> doc, const MarkerSizes& sizes)
    : doc_(std::move(doc)), sizes_(sizes)
{
    doc_->activate();
    // In a layout with model space worked in through a viewport, the points
    // the user picks are model points: put into paper space, the marker would
    // stand off the viewport at the viewport's scale, often off the sheet.
    // It goes into model space, where it was picked, and is sized as there.
    const bool paper = doc_->activeSpace() == cad::space::Paper && !doc_->mSpace();
    space_ = paper ? doc_->paperSpace() : doc_->modelSpace();
    const QVariant remembered = doc_->getVariable(Orthomode);
    doc_->setVariable(Orthomode, 1);
    orthomode_ = remembered;
    const double dimScale = doc_->getVariable(DimScaleVariable).toDouble();
    scale_ = (dimScale == 0.0 || paper) ? 1.0 : dimScale;
}

SectionMarker::~SectionMarker()
{
    if (orthomode_.isValid())
        runtime::passOver([this] { doc_->setVariable(Orthomode, orthomode_); });
}

void SectionMarker::place(const std::shared_ptr<cad::Entity>& entity) const
{
    if (!layer_.isEmpty())
        runtime::passOver([&] { entity->setLayer(layer_); });
}

bool SectionMarker::cancelled() const
{
    bool esc = false;
    runtime::passOver([&] {
        esc = doc_->getVariable(LastPrompt).toString().contains(CancelMarker, Qt::CaseInsensitive);
    });
    return esc;
}

void SectionMarker::cutLine()
{
    const std::shared_ptr<cad::Utility> utility = doc_->utility();
    first_ = utility->getPoint(std::nullopt, QStringLiteral("Pick First Point:"));
    const cad::Point second = utility->getPoint(first_, QStringLiteral("Next Point:"));
    const std::shared_ptr<cad::Entity> line = space_->addLine(first_, second);
    place(line);
    last_ = line->endPoint();
    for (;;) {
        cad::Point next;
        try {
            next = utility->getPoint(last_, QStringLiteral("Next Point"));
        } catch (const runtime::Error& error) {
            // Enter completes the line and so does Esc; anything else is a
            // failure that asking again would only repeat.
            if (error.number() == cad::err::NoPointGiven || cancelled())
                return;
            throw;
        }
        runtime::passOver([&] { place(space_->addLine(last_, next)); });
        last_ = next;
    }
}

std::optional<AxisDirection> SectionMarker::arrowDirection(const cad::Point& last, const cad::Point& side)
{
    const double dx = side.x - last.x;
    const double dy = side.y - last.y;
    if (dx != 0.0 && std::abs(dx) >= std::abs(dy))
        return AxisDirection{dx > 0 ? 1 : -1, 0};
    if (dy != 0.0)
        return AxisDirection{0, dy > 0 ? 1 : -1};
    return std::nullopt;
}

SectionMarker::Arrows SectionMarker::arrows()
{
    std::optional<cad::Point> side;
    runtime::passOver([&] {
        const cad::Point picked = doc_->utility()->getPoint(last_, QStringLiteral("Pick Arrow Side Of Section:"));
        // The side is where a line from the last point to the pick ends.
        const std::shared_ptr<cad::Entity> probe = space_->addLine(last_, picked);
        side = probe->endPoint();
        probe->remove();
    });
    if (!side)
        return Arrows::NoSide;
    const std::optional<AxisDirection> direction = arrowDirection(last_, *side);
    if (!direction)
        return Arrows::SideOnLastPoint;

    const double length = sizes_.arrow * scale_ * 2;
    for (const cad::Point& end : {last_, first_}) {
        const cad::Point tip{end.x + direction->x * length, end.y + direction->y * length, end.z};
        runtime::passOver([&] {
            const std::shared_ptr<cad::Entity> leader = space_->addLeader({tip, end}, nullptr, LeaderWithArrow);
            place(leader);
            runtime::passOver([&] { leader->setArrowheadSize(sizes_.arrow); });
            runtime::passOver([&] { leader->setScaleFactor(scale_); });
        });
    }
    return Arrows::Drawn;
}

void SectionMarker::label(const QString& prompt)
{
    const cad::Point at = doc_->utility()->getPoint(std::nullopt, prompt);
    place(space_->addText(sizes_.text, at, sizes_.textHeight * scale_));
}

int SectionMarker::colourNumber(const QString& name)
{
    static const std::array<const char*, 7> colours = {"red", "yellow", "green", "cyan", "blue", "magenta", "white"};
    for (size_t index = 0; index < colours.size(); ++index) {
        if (name.compare(QLatin1String(colours[index]), Qt::CaseInsensitive) == 0)
            return int(index) + 1;
    }
    return 1;
}

}  // namespace sections
