#pragma once
// What one object of a space draws, in the space's coordinates, in one
// colour: lines and curves stroked, arrowheads and text filled. A block
// reference gives a figure for each object of its block (and of the blocks
// inside it) and for each attribute, all belonging to the reference, since
// the reference is what a person picks. A floating viewport's figure is its
// frame and carries what it shows.

#include "platform/cad/standin/Shapes.h"

#include <QPainterPath>
#include <QPolygonF>
#include <memory>
#include <optional>
#include <vector>

namespace standin {
class EntityBase;
}

namespace hostview {

struct Figure {
    // The object of the space the figure belongs to.
    std::shared_ptr<standin::EntityBase> entity;
    // The host's colour number (1 to 255).
    int colour = 7;
    QPainterPath strokes;
    QPainterPath fills;
    // The boxes of its texts, for picking.
    std::vector<QPolygonF> textBoxes;
    // A floating viewport: the model space it shows. Its frame may be hidden
    // (its layer off or frozen) while it still shows model space.
    std::optional<standin::ViewportShape> viewport;

    // Whether the figure draws anything.
    bool isEmpty() const { return strokes.isEmpty() && fills.isEmpty(); }
    // The smallest rectangle holding what it draws.
    QRectF bounds() const;
};

}  // namespace hostview
