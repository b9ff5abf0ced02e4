#pragma once
// Turns the objects of one block (model space, paper space or a block being
// looked at on its own) into figures in that block's coordinates: each object
// hands over its shape, block references are followed into their blocks
// (moved, scaled and turned, however deep), and layers decide colour and
// visibility. What a layer that is off or frozen holds makes no figure.

#include "platform/cad/hostview/Annotations.h"
#include "platform/cad/hostview/Figure.h"
#include "platform/cad/hostview/TextOutline.h"
#include "platform/cad/standin/Shapes.h"

#include <QHash>
#include <QTransform>
#include <memory>
#include <vector>

namespace standin {
class Block;
class Drawing;
}  // namespace standin

namespace hostview {

class FigureBuilder : private standin::ShapeVisitor {
public:
    explicit FigureBuilder(const standin::Drawing& drawing);

    std::vector<Figure> build(const standin::Block& block);

    // How deep block references are followed.
    static constexpr int DeepestNesting = 32;

private:
    struct LayerLook {
        int colour = 7;
        bool on = true;
        bool frozen = false;
    };

    // Where the objects being visited stand: the transform to the built
    // block's coordinates, the layer objects on layer "0" take (the
    // reference's, inside a block) and how deep inside blocks they are.
    struct Context {
        QTransform transform;
        QString inherited;
        int depth = 0;
    };

    void line(const standin::EntityBase& entity, const standin::LineShape& shape) override;
    void circle(const standin::EntityBase& entity, const standin::CircleShape& shape) override;
    void arc(const standin::EntityBase& entity, const standin::ArcShape& shape) override;
    void polyline(const standin::EntityBase& entity, const standin::PolylineShape& shape) override;
    void text(const standin::EntityBase& entity, const standin::TextShape& shape) override;
    void paragraph(const standin::EntityBase& entity, const standin::ParagraphShape& shape) override;
    void leader(const standin::EntityBase& entity, const standin::LeaderShape& shape) override;
    void dimension(const standin::EntityBase& entity, const standin::DimensionShape& shape) override;
    void blockReference(const standin::EntityBase& entity, const standin::BlockReferenceShape& shape) override;
    void hatch(const standin::EntityBase& entity, const standin::HatchShape& shape) override;
    void viewport(const standin::EntityBase& entity, const standin::ViewportShape& shape) override;
    void attributeDefinition(const standin::EntityBase& entity, const standin::TextShape& shape) override;

    // The layer the entity is drawn with in the current context.
    QString layerOf(const standin::EntityBase& entity) const;
    LayerLook look(const QString& layer);
    // Adds a figure for the entity unless its layer hides it.
    void add(const standin::EntityBase& entity, const QPainterPath& strokes, const QPainterPath& fills = {},
             const std::vector<QPolygonF>& textBoxes = {});
    void addText(const standin::EntityBase& entity, const TextOutline::Outline& outline);

    const standin::Drawing& drawing_;
    TextOutline text_;
    Annotations annotations_;
    QHash<QString, LayerLook> layers_;
    std::vector<Figure> figures_;
    std::shared_ptr<standin::EntityBase> top_;
    Context context_;
};

}  // namespace hostview
