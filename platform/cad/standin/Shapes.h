#pragma once
// What a drawing view needs to draw each entity, as plain values read from
// the stand-in's entities without any host guard (so drawing never touches
// the journal or the injected failures). An entity hands its shape to a
// ShapeVisitor through EntityBase::accept; the visitor's members do nothing
// unless overridden, so a view draws the kinds it knows and skips the rest.
// Points are in the coordinates of the block that holds the entity; angles
// are in radians, counter-clockwise from the X axis.

#include "platform/cad/Point.h"

#include <QString>
#include <vector>

namespace standin {

class EntityBase;

struct LineShape {
    cad::Point start;
    cad::Point end;
};

struct CircleShape {
    cad::Point center;
    double radius = 0.0;
};

// Drawn counter-clockwise from the start angle to the end angle.
struct ArcShape {
    cad::Point center;
    double radius = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
};

struct PolylineShape {
    std::vector<cad::Point2> vertices;
    bool closed = false;
};

// A single-line text, an attribute of a block reference, or the tag of an
// attribute definition. `alignment` is the host's alignment number (0 left on
// the baseline, see Entity::alignment); a left-aligned text sits on
// `position`, any other on `alignmentPoint`.
struct TextShape {
    QString text;
    cad::Point position;
    cad::Point alignmentPoint;
    double height = 0.0;
    double rotation = 0.0;
    int alignment = 0;
    QString style;
};

// A paragraph text: `attachment` 1 (top left) to 9 (bottom right) tells which
// point of the paragraph sits on `position`; `width` 0 means unwrapped.
struct ParagraphShape {
    QString text;
    cad::Point position;
    double width = 0.0;
    double height = 0.0;
    double rotation = 0.0;
    int attachment = 1;
    QString style;
};

// The arrowhead, when there is one, sits on the first vertex.
struct LeaderShape {
    std::vector<cad::Point> vertices;
    bool arrowhead = false;
    double arrowheadSize = 0.0;
    double scaleFactor = 1.0;
};

// A dimension. The defining points per kind:
//   Aligned, Rotated  the two measured points (a rotated one measures along
//                     `rotation`)
//   Diametric         the chord point and the far chord point
//   Radial            the centre and the chord point
//   Angular           the vertex and a point on each of the two lines
//   Ordinate          the measured point and the leader's end; `xAxis` tells
//                     whether its X or its Y is shown
// `text` is the text the dimension shows: the measurement as formatted with
// its properties, prefix and suffix, or the override.
struct DimensionShape {
    enum class Kind { Aligned, Rotated, Diametric, Radial, Angular, Ordinate };

    Kind kind = Kind::Aligned;
    std::vector<cad::Point> points;
    cad::Point textPosition;
    double rotation = 0.0;
    bool xAxis = false;
    double measurement = 0.0;
    QString text;
    double arrowheadSize = 0.0;
    double scaleFactor = 1.0;
    QString style;
};

// A block reference draws its block's entities (Drawing::blockTable() by
// `blockName`) moved from the block's origin to `insertion`, scaled and
// rotated; then its attributes, which are placed already.
struct BlockReferenceShape {
    QString blockName;
    cad::Point insertion;
    double xScale = 1.0;
    double yScale = 1.0;
    double zScale = 1.0;
    double rotation = 0.0;
    std::vector<TextShape> attributes;
};

// The outer boundary as a closed loop of points (the last joins the first);
// empty until the loop is given.
struct HatchShape {
    QString patternName;
    int patternType = 0;
    std::vector<cad::Point> boundary;
};

// A viewport shows model space around `viewCenter` at `customScale` paper
// units per model unit, clipped to the rectangle of `width` by `height`
// around `paperCenter`. The overall viewport is the sheet itself.
struct ViewportShape {
    cad::Point paperCenter;
    double width = 0.0;
    double height = 0.0;
    cad::Point viewCenter;
    double customScale = 1.0;
    bool on = true;
    bool overall = false;
};

class ShapeVisitor {
public:
    virtual ~ShapeVisitor() = default;
    virtual void line(const EntityBase&, const LineShape&) {}
    virtual void circle(const EntityBase&, const CircleShape&) {}
    virtual void arc(const EntityBase&, const ArcShape&) {}
    virtual void polyline(const EntityBase&, const PolylineShape&) {}
    virtual void text(const EntityBase&, const TextShape&) {}
    virtual void paragraph(const EntityBase&, const ParagraphShape&) {}
    virtual void leader(const EntityBase&, const LeaderShape&) {}
    virtual void dimension(const EntityBase&, const DimensionShape&) {}
    virtual void blockReference(const EntityBase&, const BlockReferenceShape&) {}
    virtual void hatch(const EntityBase&, const HatchShape&) {}
    virtual void viewport(const EntityBase&, const ViewportShape&) {}
    // An attribute definition inside a block: shown with its tag where the
    // block is edited; a reference shows the attribute instead.
    virtual void attributeDefinition(const EntityBase&, const TextShape&) {}
};

}  // namespace standin
