#include "platform/cad/hostview/Annotations.h"

#include <cmath>
#include <numbers>

namespace hostview {

namespace {

QPointF at(const cad::Point& p) { return QPointF(p.x, p.y); }

double lengthOf(const QPointF& v) { return std::hypot(v.x(), v.y()); }

QPointF unit(const QPointF& v)
{
    const double length = lengthOf(v);
    return length > 0.0 && std::isfinite(length) ? v / length : QPointF(1.0, 0.0);
}

double dot(const QPointF& a, const QPointF& b) { return a.x() * b.x() + a.y() * b.y(); }

void segment(QPainterPath& path, const QPointF& from, const QPointF& to)
{
    path.moveTo(from);
    path.lineTo(to);
}

// A text along a direction reads from left to right or from bottom to top.
double readable(double angle)
{
    constexpr double Pi = std::numbers::pi;
    while (angle > Pi / 2.0 + 1e-9)
        angle -= Pi;
    while (angle <= -Pi / 2.0 + 1e-9)
        angle += Pi;
    return angle;
}

// The dimension's own size: its arrowhead size times its scale factor.
double sizeOf(double arrowheadSize, double scaleFactor)
{
    const double factor = scaleFactor > 0.0 ? scaleFactor : 1.0;
    const double size = (arrowheadSize > 0.0 ? arrowheadSize : 0.18) * factor;
    return std::isfinite(size) ? size : 0.18;
}

}  // namespace

QPainterPath Annotations::arrowhead(const QPointF& tip, const QPointF& from, double length)
{
    QPainterPath path;
    if (!(length > 0.0))
        return path;
    const QPointF back = unit(from - tip) * length;
    const QPointF side(-back.y() / 6.0, back.x() / 6.0);
    path.moveTo(tip);
    path.lineTo(tip + back + side);
    path.lineTo(tip + back - side);
    path.closeSubpath();
    return path;
}

void Annotations::addText(Outline& outline, const QString& text, const QPointF& position, double height,
                          double rotation, TextOutline::Across across, TextOutline::Upright upright) const
{
    const TextOutline::Outline placed = text_.placed(text, position, height, rotation, across, upright);
    outline.fills.addPath(placed.glyphs);
    if (!placed.box.isEmpty())
        outline.textBoxes.push_back(placed.box);
}

Annotations::Outline Annotations::leader(const standin::LeaderShape& s) const
{
    Outline out;
    if (s.vertices.size() < 2)
        return out;
    out.strokes.moveTo(at(s.vertices[0]));
    for (size_t i = 1; i < s.vertices.size(); ++i)
        out.strokes.lineTo(at(s.vertices[i]));
    if (s.arrowhead)
        out.fills.addPath(arrowhead(at(s.vertices[0]), at(s.vertices[1]), sizeOf(s.arrowheadSize, s.scaleFactor)));
    return out;
}

Annotations::Outline Annotations::dimension(const standin::DimensionShape& s) const
{
    Outline out;
    const double size = sizeOf(s.arrowheadSize, s.scaleFactor);
    using Kind = standin::DimensionShape::Kind;
    switch (s.kind) {
    case Kind::Aligned:
    case Kind::Rotated:
        if (s.points.size() >= 2)
            linear(out, s, size);
        break;
    case Kind::Angular:
        if (s.points.size() >= 3)
            angular(out, s, size);
        break;
    case Kind::Diametric:
    case Kind::Radial: {
        if (s.points.size() < 2)
            break;
        // A diameter runs across the circle with an arrowhead at each end; a
        // radius from the centre to the arrowhead on the circle. The line
        // goes on to the text when the text stands outside.
        const QPointF first = at(s.points[0]);
        const QPointF second = at(s.points[1]);
        const QPointF text = at(s.textPosition);
        const QPointF chord = s.kind == Kind::Diametric ? first : second;
        const QPointF other = s.kind == Kind::Diametric ? second : first;
        segment(out.strokes, other, chord);
        segment(out.strokes, chord, text);
        out.fills.addPath(arrowhead(chord, other, size));
        if (s.kind == Kind::Diametric)
            out.fills.addPath(arrowhead(other, chord, size));
        const bool rightOfChord = text.x() >= chord.x();
        addText(out, s.text, text + QPointF(rightOfChord ? size / 2.0 : -size / 2.0, 0.0), size, 0.0,
                rightOfChord ? TextOutline::Across::Left : TextOutline::Across::Right, TextOutline::Upright::Middle);
        break;
    }
    case Kind::Ordinate: {
        if (s.points.size() < 2)
            break;
        // From the measured point to the leader's end, the text beyond it.
        const QPointF feature = at(s.points[0]);
        const QPointF end = at(s.points[1]);
        const QPointF along = unit(end - feature);
        segment(out.strokes, feature + along * (size / 3.0), end);
        const bool rightwards = along.x() >= 0.0;
        addText(out, s.text, end + QPointF(rightwards ? size / 2.0 : -size / 2.0, 0.0), size, 0.0,
                rightwards ? TextOutline::Across::Left : TextOutline::Across::Right, TextOutline::Upright::Middle);
        break;
    }
    }
    return out;
}

void Annotations::linear(Outline& out, const standin::DimensionShape& s, double size) const
{
    const QPointF first = at(s.points[0]);
    const QPointF second = at(s.points[1]);
    const QPointF text = at(s.textPosition);
    // The dimension line runs along the measured direction (the rotation for
    // a rotated dimension) through the text position; the extension lines
    // run square to it from the measured points.
    const QPointF along = s.kind == standin::DimensionShape::Kind::Rotated
                              ? QPointF(std::cos(s.rotation), std::sin(s.rotation))
                              : unit(second - first);
    const QPointF across(-along.y(), along.x());
    const QPointF onFirst = first + across * dot(text - first, across);
    const QPointF onSecond = second + across * dot(text - second, across);
    const double gap = size / 3.0;
    for (const auto& [measured, onLine] : {std::pair(first, onFirst), std::pair(second, onSecond)}) {
        const QPointF outwards = onLine - measured;
        const double reach = lengthOf(outwards);
        if (reach > gap) {
            const QPointF direction = outwards / reach;
            segment(out.strokes, measured + direction * gap, onLine + direction * gap);
        }
    }
    segment(out.strokes, onFirst, onSecond);
    if (lengthOf(onSecond - onFirst) > 0.0) {
        out.fills.addPath(arrowhead(onFirst, onSecond, size));
        out.fills.addPath(arrowhead(onSecond, onFirst, size));
    }
    // The text sits just above the dimension line, reading along it.
    const double angle = readable(std::atan2(along.y(), along.x()));
    const QPointF up(-std::sin(angle), std::cos(angle));
    addText(out, s.text, text + up * (size / 3.0), size, angle, TextOutline::Across::Centre,
            TextOutline::Upright::Bottom);
}

void Annotations::angular(Outline& out, const standin::DimensionShape& s, double size) const
{
    const QPointF vertex = at(s.points[0]);
    const QPointF first = at(s.points[1]);
    const QPointF second = at(s.points[2]);
    const QPointF text = at(s.textPosition);
    const double radius = lengthOf(text - vertex);
    if (!(radius > 0.0))
        return;
    // The arc spans the smaller angle between the two lines, at the text's
    // distance from the vertex.
    const QPointF a = unit(first - vertex);
    const QPointF b = unit(second - vertex);
    const double start = std::atan2(a.y(), a.x());
    const double sweep = std::atan2(a.x() * b.y() - a.y() * b.x(), dot(a, b));
    const QRectF circle(vertex.x() - radius, vertex.y() - radius, 2.0 * radius, 2.0 * radius);
    // Paths take angles clockwise in drawing coordinates (y up).
    out.strokes.arcMoveTo(circle, -start * 180.0 / std::numbers::pi);
    out.strokes.arcTo(circle, -start * 180.0 / std::numbers::pi, -sweep * 180.0 / std::numbers::pi);
    const QPointF startPoint = vertex + a * radius;
    const QPointF endPoint = vertex + b * radius;
    for (const auto& [defined, onArc] : {std::pair(first, startPoint), std::pair(second, endPoint)}) {
        const double reach = lengthOf(defined - vertex);
        if (reach + size / 3.0 < radius) {
            const QPointF direction = unit(onArc - vertex);
            segment(out.strokes, defined + direction * (size / 3.0), onArc + direction * (size / 3.0));
        }
    }
    // The arrowheads lie along the arc's tangents at its ends.
    const double turn = sweep >= 0.0 ? 1.0 : -1.0;
    const QPointF tangentStart(-a.y() * turn, a.x() * turn);
    const QPointF tangentEnd(-b.y() * turn, b.x() * turn);
    out.fills.addPath(arrowhead(startPoint, startPoint + tangentStart, size));
    out.fills.addPath(arrowhead(endPoint, endPoint - tangentEnd, size));
    addText(out, s.text, text, size, 0.0, TextOutline::Across::Centre, TextOutline::Upright::Middle);
}

}  // namespace hostview
