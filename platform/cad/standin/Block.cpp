#include "platform/cad/standin/Block.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/AngularDimension.h"
#include "platform/cad/standin/Arc.h"
#include "platform/cad/standin/AttributeDefinition.h"
#include "platform/cad/standin/BlockReference.h"
#include "platform/cad/standin/Circle.h"
#include "platform/cad/standin/DiametricDimension.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingImporter.h"
#include "platform/cad/standin/ExternalReference.h"
#include "platform/cad/standin/Hatch.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/Leader.h"
#include "platform/cad/standin/LightweightPolyline.h"
#include "platform/cad/standin/Line.h"
#include "platform/cad/standin/LinearDimension.h"
#include "platform/cad/standin/MText.h"
#include "platform/cad/standin/OrdinateDimension.h"
#include "platform/cad/standin/RadialDimension.h"
#include "platform/cad/standin/Text.h"
#include "platform/cad/standin/Validate.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/cad/standin/XrefOperations.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace standin {

namespace {

QString blockMember(const char* name) { return QStringLiteral("Block.") + QLatin1String(name); }

// Journal details: the values separated by blanks.
QString words(const QStringList& values) { return values.join(QLatin1Char(' ')); }

void checkScales(double x, double y, double z)
{
    // Assumption: a zero scale is refused; negative scales mirror and are
    // allowed.
    if (x == 0.0 || y == 0.0 || z == 0.0)
        cad::raise(cad::err::InvalidInput, QStringLiteral("a scale factor of 0"));
}

}  // namespace

Block::Block(std::weak_ptr<Drawing> drawing, QString name) : SymbolRecord(std::move(drawing), std::move(name)) {}

QString Block::name() const
{
    enter(blockMember("Name"));
    return rawName();
}

bool Block::isXRef() const
{
    enter(blockMember("IsXRef"));
    return xref_;
}

bool Block::isLayout() const
{
    enter(blockMember("IsLayout"));
    return layout_;
}

void Block::bind(bool prefixName)
{
    const auto drawing = change(blockMember("Bind"), words({rawName(), JournalText::flag(prefixName)}));
    XrefOperations::bind(*drawing, *this, prefixName);
}

void Block::detach()
{
    const auto drawing = change(blockMember("Detach"), rawName());
    XrefOperations::detach(*drawing, *this);
}

int Block::count() const
{
    enter(blockMember("Count"));
    return static_cast<int>(entities_.size());
}

std::shared_ptr<cad::Entity> Block::item(int index) const
{
    enter(blockMember("Item"));
    if (index < 0 || index >= static_cast<int>(entities_.size()))
        cad::raise(cad::err::InvalidArgument, QStringLiteral("%1 has no item %2").arg(rawName()).arg(index));
    return entities_[static_cast<size_t>(index)];
}

std::vector<std::shared_ptr<cad::Entity>> Block::items() const
{
    enter(blockMember("Item"));
    return {entities_.begin(), entities_.end()};
}

template <class T>
std::shared_ptr<T> Block::adopt(const Drawing& drawing, std::shared_ptr<T> entity)
{
    entity->setLayerName(drawing.currentLayer());
    append(entity);
    return entity;
}

std::shared_ptr<cad::Entity> Block::insertBlock(const cad::Point& at, const QString& name, double xScale,
                                                double yScale, double zScale, double rotation)
{
    const auto drawing = change(blockMember("InsertBlock"), words({name, JournalText::point(at)}));
    checkScales(xScale, yScale, zScale);
    const std::shared_ptr<Block> definition = DrawingImporter::blockFor(*drawing, name);
    // Assumption: a block cannot hold a reference to itself, however deep,
    // and the spaces cannot be inserted as blocks.
    if (definition.get() == this || definition->nests(*this) || definition->rawLayout())
        cad::raise(cad::err::InvalidInput, QStringLiteral("block %1 cannot be inserted here").arg(name));
    auto reference =
        std::make_shared<BlockReference>(definition->rawName(), at, xScale, yScale, zScale, rotation);
    const cad::Point& base = definition->origin();
    for (const auto& attdef : definition->attributeDefinitions()) {
        const cad::Point& p = attdef->position();
        const cad::Point placed{at.x + (p.x - base.x) * xScale, at.y + (p.y - base.y) * yScale,
                                at.z + (p.z - base.z) * zScale};
        auto attribute = std::make_shared<AttributeReference>(attdef->tag(), attdef->value(), placed,
                                                              attdef->rawHeight() * std::abs(yScale));
        attribute->setRawStyle(attdef->rawStyle());
        attribute->setLayerName(drawing->currentLayer());
        reference->addAttribute(attribute);
    }
    return adopt(*drawing, reference);
}

std::shared_ptr<cad::Entity> Block::attachExternalReference(const QString& path, const QString& name,
                                                            const cad::Point& at, double xScale, double yScale,
                                                            double zScale, double rotation, bool overlay)
{
    const auto drawing = change(blockMember("AttachExternalReference"), words({path, name, JournalText::point(at)}));
    checkScales(xScale, yScale, zScale);
    const std::shared_ptr<Block> definition = XrefOperations::attach(*drawing, path, name, overlay);
    if (definition.get() == this || definition->nests(*this))
        cad::raise(cad::err::InvalidInput, QStringLiteral("an external reference cannot hold itself"));
    auto reference = std::make_shared<ExternalReference>(definition->rawName(), path, at, xScale, yScale, zScale,
                                                         rotation);
    return adopt(*drawing, reference);
}

std::shared_ptr<cad::Entity> Block::addLine(const cad::Point& start, const cad::Point& end)
{
    const auto drawing = change(blockMember("AddLine"), words({JournalText::point(start), JournalText::point(end)}));
    return adopt(*drawing, std::make_shared<Line>(start, end));
}

std::shared_ptr<cad::Entity> Block::addCircle(const cad::Point& center, double radius)
{
    const auto drawing =
        change(blockMember("AddCircle"), words({JournalText::point(center), JournalText::number(radius)}));
    // Assumption: circles and arcs have a radius greater than 0.
    Validate::positive(radius, QStringLiteral("the radius"));
    return adopt(*drawing, std::make_shared<Circle>(center, radius));
}

std::shared_ptr<cad::Entity> Block::addArc(const cad::Point& center, double radius, double startAngle,
                                           double endAngle)
{
    const auto drawing = change(blockMember("AddArc"), words({JournalText::point(center), JournalText::number(radius),
                                                              JournalText::number(startAngle),
                                                              JournalText::number(endAngle)}));
    Validate::positive(radius, QStringLiteral("the radius"));
    return adopt(*drawing, std::make_shared<Arc>(center, radius, startAngle, endAngle));
}

std::shared_ptr<cad::Entity> Block::addLightWeightPolyline(const std::vector<double>& vertices)
{
    const auto drawing =
        change(blockMember("AddLightWeightPolyline"), LightweightPolyline::journalText(vertices));
    return adopt(*drawing, std::make_shared<LightweightPolyline>(LightweightPolyline::vertices(vertices)));
}

std::shared_ptr<cad::Entity> Block::addHatch(int patternType, const QString& patternName, bool associativity)
{
    const auto drawing = change(blockMember("AddHatch"), words({QString::number(patternType), patternName,
                                                                JournalText::flag(associativity)}));
    Hatch::checkPattern(patternType, patternName);
    return adopt(*drawing, std::make_shared<Hatch>(patternType, patternName, associativity));
}

std::shared_ptr<cad::Entity> Block::addLeader(const std::vector<cad::Point>& points,
                                              const std::shared_ptr<cad::Entity>&, int type)
{
    QStringList vertices;
    for (const cad::Point& point : points)
        vertices.append(JournalText::point(point));
    const auto drawing = change(blockMember("AddLeader"), words(vertices) + QLatin1Char(' ') + QString::number(type));
    // Assumption: a leader needs two vertices or more and a type from 0
    // (line, no arrow) to 3 (spline with arrow).
    if (points.size() < 2)
        cad::raise(cad::err::InvalidInput, QStringLiteral("a leader needs two vertices"));
    Validate::range(type, 0, 3, QStringLiteral("the leader type"));
    return adopt(*drawing, std::make_shared<Leader>(points, type));
}

std::shared_ptr<cad::Entity> Block::addText(const QString& text, const cad::Point& at, double height)
{
    const auto drawing =
        change(blockMember("AddText"), words({text, JournalText::point(at), JournalText::number(height)}));
    Validate::positive(height, QStringLiteral("the text height"));
    return adopt(*drawing, std::make_shared<Text>(text, at, height));
}

std::shared_ptr<cad::Entity> Block::addMText(const cad::Point& at, double width, const QString& text)
{
    const auto drawing = change(blockMember("AddMText"), words({JournalText::point(at), text}));
    Validate::notNegative(width, QStringLiteral("the text width"));
    return adopt(*drawing, std::make_shared<MText>(at, width, text));
}

std::shared_ptr<cad::Entity> Block::addDimAligned(const cad::Point& first, const cad::Point& second,
                                                  const cad::Point& textPosition)
{
    const auto drawing =
        change(blockMember("AddDimAligned"), words({JournalText::point(first), JournalText::point(second)}));
    return adopt(*drawing, std::make_shared<LinearDimension>(false, first, second, textPosition, 0.0));
}

std::shared_ptr<cad::Entity> Block::addDimRotated(const cad::Point& first, const cad::Point& second,
                                                  const cad::Point& dimLinePoint, double rotation)
{
    const auto drawing =
        change(blockMember("AddDimRotated"), words({JournalText::point(first), JournalText::point(second)}));
    return adopt(*drawing, std::make_shared<LinearDimension>(true, first, second, dimLinePoint, rotation));
}

std::shared_ptr<cad::Entity> Block::addDimDiametric(const cad::Point& chordPoint, const cad::Point& farChordPoint,
                                                    double leaderLength)
{
    const auto drawing = change(blockMember("AddDimDiametric"), words({JournalText::point(chordPoint),
                                                                       JournalText::point(farChordPoint),
                                                                       JournalText::number(leaderLength)}));
    // Assumption: a leader length is 0 or more.
    Validate::notNegative(leaderLength, QStringLiteral("the leader length"));
    return adopt(*drawing, std::make_shared<DiametricDimension>(chordPoint, farChordPoint, leaderLength));
}

std::shared_ptr<cad::Entity> Block::addDimRadial(const cad::Point& center, const cad::Point& chordPoint,
                                                 double leaderLength)
{
    const auto drawing = change(blockMember("AddDimRadial"), words({JournalText::point(center),
                                                                    JournalText::point(chordPoint),
                                                                    JournalText::number(leaderLength)}));
    Validate::notNegative(leaderLength, QStringLiteral("the leader length"));
    return adopt(*drawing, std::make_shared<RadialDimension>(center, chordPoint, leaderLength));
}

std::shared_ptr<cad::Entity> Block::addDimAngular(const cad::Point& angleVertex, const cad::Point& firstEndPoint,
                                                  const cad::Point& secondEndPoint, const cad::Point& textPoint)
{
    const auto drawing = change(blockMember("AddDimAngular"), words({JournalText::point(angleVertex),
                                                                     JournalText::point(firstEndPoint),
                                                                     JournalText::point(secondEndPoint)}));
    return adopt(*drawing, std::make_shared<AngularDimension>(angleVertex, firstEndPoint, secondEndPoint, textPoint));
}

std::shared_ptr<cad::Entity> Block::addDimOrdinate(const cad::Point& definitionPoint,
                                                   const cad::Point& leaderEndPoint, bool useXAxis)
{
    const auto drawing = change(blockMember("AddDimOrdinate"), words({JournalText::point(definitionPoint),
                                                                      JournalText::point(leaderEndPoint),
                                                                      JournalText::flag(useXAxis)}));
    return adopt(*drawing, std::make_shared<OrdinateDimension>(definitionPoint, leaderEndPoint, useXAxis));
}

std::shared_ptr<cad::Entity> Block::addAttribute(double height, const QString& prompt, const cad::Point& at,
                                                 const QString& tag, const QString& value)
{
    const auto drawing = change(blockMember("AddAttribute"), words({tag, value}));
    Validate::positive(height, QStringLiteral("the text height"));
    if (tag.isEmpty() || tag.contains(QLatin1Char(' ')))
        cad::raise(cad::err::InvalidInput, QStringLiteral("\"%1\" is not a valid tag").arg(tag));
    return adopt(*drawing, std::make_shared<AttributeDefinition>(tag, prompt, value, at, height));
}

std::shared_ptr<cad::PViewport> Block::addPViewport(const cad::Point& center, double width, double height)
{
    const auto drawing = change(blockMember("AddPViewport"), words({JournalText::point(center),
                                                                   JournalText::number(width),
                                                                   JournalText::number(height)}));
    // Viewports exist only on paper; model space and block definitions lack
    // the member.
    if (this != drawing->paperSpace().get())
        cad::raise(cad::err::MemberNotSupported);
    Validate::positive(width, QStringLiteral("the viewport width"));
    Validate::positive(height, QStringLiteral("the viewport height"));
    auto viewport = adopt(*drawing, std::make_shared<Viewport>(center, width, height));
    if (!drawing->activeViewport())
        drawing->setActiveViewport(viewport);
    return viewport;
}

void Block::setXref(bool xref, bool overlay, const QString& path)
{
    xref_ = xref;
    overlay_ = overlay;
    xrefPath_ = path;
}

void Block::append(std::shared_ptr<EntityBase> entity, const QString& handle)
{
    const std::shared_ptr<Drawing> drawing = weakDrawing().lock();
    QString own = handle;
    if (own.isEmpty() && drawing)
        own = drawing->newHandle();
    entity->place(weakDrawing(), weak_from_this(), own);
    entities_.push_back(std::move(entity));
}

void Block::detachEntity(const EntityBase* entity)
{
    entities_.erase(std::remove_if(entities_.begin(), entities_.end(),
                                   [entity](const auto& held) { return held.get() == entity; }),
                    entities_.end());
}

void Block::replaceEntity(const EntityBase* old, std::shared_ptr<EntityBase> replacement)
{
    for (auto& held : entities_) {
        if (held.get() == old) {
            held->markErased();
            const QString handle = held->handle();
            replacement->place(weakDrawing(), weak_from_this(), handle);
            held = std::move(replacement);
            return;
        }
    }
}

void Block::eraseAll()
{
    for (const auto& entity : entities_)
        entity->markErased();
    entities_.clear();
}

bool Block::nests(const Block& target) const
{
    const std::shared_ptr<Drawing> drawing = weakDrawing().lock();
    if (!drawing)
        return false;
    std::vector<const Block*> pending{this};
    QSet<const Block*> seen;
    while (!pending.empty()) {
        const Block* block = pending.back();
        pending.pop_back();
        if (seen.contains(block))
            continue;
        seen.insert(block);
        for (const auto& entity : block->entities_) {
            for (const auto& [kind, name] : entity->referencedNames()) {
                const auto inner = kind == SymbolKind::Block ? drawing->blockTable().find(name) : nullptr;
                if (inner.get() == &target)
                    return true;
                if (inner)
                    pending.push_back(inner.get());
            }
        }
    }
    return false;
}

std::vector<std::shared_ptr<AttributeDefinition>> Block::attributeDefinitions() const
{
    std::vector<std::shared_ptr<AttributeDefinition>> definitions;
    for (const auto& entity : entities_) {
        if (auto definition = std::dynamic_pointer_cast<AttributeDefinition>(entity))
            definitions.push_back(definition);
    }
    return definitions;
}

}  // namespace standin
