#pragma once
// The lines, arrowheads and texts of the annotating kinds, worked out from
// their defining points: leaders, and the dimensions with their extension
// lines, dimension lines, arrowheads and the text they show. Sizes follow the
// object's arrowhead size times its scale factor (a scale factor of 0 counts
// as 1); the dimension text stands as high as an arrowhead is long.

#include "platform/cad/hostview/TextOutline.h"
#include "platform/cad/standin/Shapes.h"

#include <QPainterPath>
#include <vector>

namespace hostview {

class Annotations {
public:
    struct Outline {
        QPainterPath strokes;
        QPainterPath fills;  // arrowheads and text
        std::vector<QPolygonF> textBoxes;
    };

    explicit Annotations(const TextOutline& text) : text_(text) {}

    Outline leader(const standin::LeaderShape& shape) const;
    Outline dimension(const standin::DimensionShape& shape) const;

    // A filled arrowhead with its tip on `tip`, pointing away from `from`.
    static QPainterPath arrowhead(const QPointF& tip, const QPointF& from, double length);

private:
    void addText(Outline& outline, const QString& text, const QPointF& at, double height, double rotation,
                 TextOutline::Across across, TextOutline::Upright upright) const;
    void linear(Outline& out, const standin::DimensionShape& s, double size) const;
    void angular(Outline& out, const standin::DimensionShape& s, double size) const;

    const TextOutline& text_;
};

}  // namespace hostview
