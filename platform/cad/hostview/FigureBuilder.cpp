#include "platform/cad/hostview/FigureBuilder.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/BlockReference.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/EntityBase.h"

#include <cmath>
#include <numbers>

namespace hostview {

namespace {

QPointF at(const cad::Point& p) { return QPointF(p.x, p.y); }

constexpr double Degrees = 180.0 / std::numbers::pi;

}  // namespace

FigureBuilder::FigureBuilder(const standin::Drawing& drawing) : drawing_(drawing), annotations_(text_) {}

std::vector<Figure> FigureBuilder::build(const standin::Block& block)
{
    figures_.clear();
    context_ = Context();
    for (const auto& entity : block.entities()) {
        top_ = entity;
        entity->accept(*this);
    }
    top_.reset();
    return std::move(figures_);
}

QString FigureBuilder::layerOf(const standin::EntityBase& entity) const
{
    // Assumption: an object of a block on layer "0" is drawn on the layer of
    // the reference that shows it; on any other layer, on its own.
    const QString& own = entity.layerName();
    if (!context_.inherited.isEmpty() && own == QLatin1String("0"))
        return context_.inherited;
    return own;
}

FigureBuilder::LayerLook FigureBuilder::look(const QString& layer)
{
    const QString key = layer.toCaseFolded();
    const auto found = layers_.constFind(key);
    if (found != layers_.constEnd())
        return *found;
    LayerLook result;
    if (const auto record = drawing_.layerTable().find(layer))
        result = {record->rawColor(), record->rawOn(), record->rawFrozen()};
    layers_.insert(key, result);
    return result;
}

void FigureBuilder::add(const standin::EntityBase& entity, const QPainterPath& strokes, const QPainterPath& fills,
                        const std::vector<QPolygonF>& textBoxes)
{
    const LayerLook layer = look(layerOf(entity));
    if (!layer.on || layer.frozen)
        return;
    Figure figure;
    figure.entity = top_;
    figure.colour = layer.colour;
    const QTransform& t = context_.transform;
    const bool moved = !t.isIdentity();
    figure.strokes = moved ? t.map(strokes) : strokes;
    figure.fills = moved ? t.map(fills) : fills;
    // Glyphs mark their holes by turning the other way.
    figure.fills.setFillRule(Qt::WindingFill);
    for (const QPolygonF& box : textBoxes)
        figure.textBoxes.push_back(moved ? t.map(box) : box);
    figures_.push_back(std::move(figure));
}

void FigureBuilder::addText(const standin::EntityBase& entity, const TextOutline::Outline& outline)
{
    std::vector<QPolygonF> boxes;
    if (!outline.box.isEmpty())
        boxes.push_back(outline.box);
    add(entity, QPainterPath(), outline.glyphs, boxes);
}

void FigureBuilder::line(const standin::EntityBase& entity, const standin::LineShape& s)
{
    QPainterPath path(at(s.start));
    path.lineTo(at(s.end));
    add(entity, path);
}

void FigureBuilder::circle(const standin::EntityBase& entity, const standin::CircleShape& s)
{
    QPainterPath path;
    path.addEllipse(at(s.center), s.radius, s.radius);
    add(entity, path);
}

void FigureBuilder::arc(const standin::EntityBase& entity, const standin::ArcShape& s)
{
    double sweep = std::fmod(s.endAngle - s.startAngle, 2.0 * std::numbers::pi);
    if (sweep <= 0.0)
        sweep += 2.0 * std::numbers::pi;
    const QRectF circle(s.center.x - s.radius, s.center.y - s.radius, 2.0 * s.radius, 2.0 * s.radius);
    // Paths count angles clockwise in drawing coordinates (y up).
    QPainterPath path;
    path.arcMoveTo(circle, -s.startAngle * Degrees);
    path.arcTo(circle, -s.startAngle * Degrees, -sweep * Degrees);
    add(entity, path);
}

void FigureBuilder::polyline(const standin::EntityBase& entity, const standin::PolylineShape& s)
{
    if (s.vertices.empty())
        return;
    QPainterPath path(QPointF(s.vertices[0].x, s.vertices[0].y));
    for (size_t i = 1; i < s.vertices.size(); ++i)
        path.lineTo(s.vertices[i].x, s.vertices[i].y);
    if (s.closed)
        path.closeSubpath();
    add(entity, path);
}

void FigureBuilder::text(const standin::EntityBase& entity, const standin::TextShape& s)
{
    addText(entity, text_.text(s));
}

void FigureBuilder::paragraph(const standin::EntityBase& entity, const standin::ParagraphShape& s)
{
    addText(entity, text_.paragraph(s));
}

void FigureBuilder::leader(const standin::EntityBase& entity, const standin::LeaderShape& s)
{
    const Annotations::Outline outline = annotations_.leader(s);
    add(entity, outline.strokes, outline.fills);
}

void FigureBuilder::dimension(const standin::EntityBase& entity, const standin::DimensionShape& s)
{
    const Annotations::Outline outline = annotations_.dimension(s);
    add(entity, outline.strokes, outline.fills, outline.textBoxes);
}

void FigureBuilder::blockReference(const standin::EntityBase& entity, const standin::BlockReferenceShape& s)
{
    const QString layer = layerOf(entity);
    // Assumption: a reference on a frozen layer shows nothing of its block
    // nor its attributes; one on a layer that is off still shows what its
    // block holds on other layers.
    if (look(layer).frozen)
        return;
    // The stand-in refuses blocks that hold themselves; the limit only keeps
    // a view safe from a drawing that got past it.
    const auto block = context_.depth < DeepestNesting ? drawing_.blockTable().find(s.blockName) : nullptr;
    if (block) {
        const Context outer = context_;
        QTransform placed;
        placed.translate(s.insertion.x, s.insertion.y);
        placed.rotateRadians(s.rotation);
        placed.scale(s.xScale, s.yScale);
        placed.translate(-block->origin().x, -block->origin().y);
        context_.transform = placed * outer.transform;
        context_.inherited = layer;
        ++context_.depth;
        for (const auto& inner : block->entities())
            inner->accept(*this);
        context_ = outer;
    }
    // The attributes stand where the reference placed them, on their own
    // layers.
    if (const auto* reference = dynamic_cast<const standin::BlockReference*>(&entity)) {
        for (const auto& attribute : reference->attributes())
            attribute->accept(*this);
    } else {
        for (const standin::TextShape& attribute : s.attributes)
            addText(entity, text_.text(attribute));
    }
}

void FigureBuilder::hatch(const standin::EntityBase& entity, const standin::HatchShape& s)
{
    if (s.boundary.empty())
        return;
    QPainterPath path(at(s.boundary[0]));
    for (size_t i = 1; i < s.boundary.size(); ++i)
        path.lineTo(at(s.boundary[i]));
    path.closeSubpath();
    add(entity, path);
}

void FigureBuilder::viewport(const standin::EntityBase& entity, const standin::ViewportShape& s)
{
    // The overall viewport is the sheet itself; it has no frame.
    if (s.overall)
        return;
    const QRectF frame(s.paperCenter.x - s.width / 2.0, s.paperCenter.y - s.height / 2.0, s.width, s.height);
    QPainterPath path;
    path.addRect(frame);
    const size_t before = figures_.size();
    add(entity, path);
    if (figures_.size() == before) {
        // Assumption: a viewport whose layer is off or frozen hides its frame
        // but still shows model space.
        Figure hidden;
        hidden.entity = top_;
        figures_.push_back(std::move(hidden));
    }
    figures_.back().viewport = s;
}

void FigureBuilder::attributeDefinition(const standin::EntityBase& entity, const standin::TextShape& s)
{
    // A definition shows its tag where its block is looked at on its own
    // (a title block drawing's model space); a reference shows its
    // attributes instead.
    if (context_.depth == 0)
        addText(entity, text_.text(s));
}

}  // namespace hostview
