#include "platform/cad/hostview/SheetPicker.h"

#include <QPainterPath>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

namespace hostview {

namespace {

double toSegment(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length2 = ab.x() * ab.x() + ab.y() * ab.y();
    double t = 0.0;
    if (length2 > 0.0)
        t = std::clamp(((p.x() - a.x()) * ab.x() + (p.y() - a.y()) * ab.y()) / length2, 0.0, 1.0);
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

double toPolyline(const QPointF& p, const QPolygonF& polygon, bool closed)
{
    double best = std::numeric_limits<double>::infinity();
    if (polygon.size() == 1)
        return std::hypot(p.x() - polygon[0].x(), p.y() - polygon[0].y());
    for (qsizetype i = 1; i < polygon.size(); ++i)
        best = std::min(best, toSegment(p, polygon[i - 1], polygon[i]));
    if (closed && polygon.size() > 2)
        best = std::min(best, toSegment(p, polygon.back(), polygon.front()));
    return best;
}

// Whether the segment meets the rectangle (Liang and Barsky's clipping).
bool segmentMeets(const QPointF& a, const QPointF& b, const QRectF& r)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

bool polylineMeets(const QPolygonF& polygon, const QRectF& r)
{
    if (polygon.size() == 1)
        return r.contains(polygon[0]);
    for (qsizetype i = 1; i < polygon.size(); ++i) {
        if (segmentMeets(polygon[i - 1], polygon[i], r))
            return true;
    }
    return false;
}

}  // namespace

double SheetPicker::distance(const Figure& figure, const QPointF& point)
{
    double best = std::numeric_limits<double>::infinity();
    for (const QPolygonF& part : figure.strokes.toSubpathPolygons())
        best = std::min(best, toPolyline(point, part, false));
    for (const QPolygonF& box : figure.textBoxes) {
        if (box.containsPoint(point, Qt::OddEvenFill))
            return 0.0;
        best = std::min(best, toPolyline(point, box, true));
    }
    if (!figure.fills.isEmpty() && figure.textBoxes.empty() && figure.fills.contains(point))
        return 0.0;
    return best;
}

bool SheetPicker::touches(const Figure& figure, const QRectF& window)
{
    for (const QPolygonF& part : figure.strokes.toSubpathPolygons()) {
        if (polylineMeets(part, window))
            return true;
    }
    for (const QPolygonF& box : figure.textBoxes) {
        QPolygonF closed = box;
        closed.append(box.front());
        if (polylineMeets(closed, window) || box.containsPoint(window.center(), Qt::OddEvenFill))
            return true;
    }
    return false;
}

std::shared_ptr<standin::EntityBase> SheetPicker::at(const QPointF& point, double tolerance) const
{
    std::shared_ptr<standin::EntityBase> nearest;
    double best = tolerance;
    for (const Figure& figure : figures_) {
        if (figure.isEmpty())
            continue;
        // A quick look at the bounds first: most figures are far away.
        const QRectF reach = figure.bounds().adjusted(-best, -best, best, best);
        if (!reach.contains(point))
            continue;
        const double d = distance(figure, point);
        if (d <= best) {
            best = d;
            nearest = figure.entity;
        }
    }
    return nearest;
}

std::vector<std::shared_ptr<standin::EntityBase>> SheetPicker::window(const QRectF& window, bool crossing) const
{
    const QRectF area = window.normalized();
    // An object is inside when every figure it draws is inside, and crosses
    // when one of them touches the window.
    QSet<const standin::EntityBase*> outside;
    QSet<const standin::EntityBase*> touching;
    for (const Figure& figure : figures_) {
        if (figure.isEmpty())
            continue;
        const QRectF bounds = figure.bounds();
        const bool inside = area.contains(bounds.topLeft()) && area.contains(bounds.bottomRight());
        if (!inside)
            outside.insert(figure.entity.get());
        if (crossing && (inside || touches(figure, area)))
            touching.insert(figure.entity.get());
    }
    std::vector<std::shared_ptr<standin::EntityBase>> picked;
    QSet<const standin::EntityBase*> seen;
    for (const Figure& figure : figures_) {
        const standin::EntityBase* entity = figure.entity.get();
        if (figure.isEmpty() || seen.contains(entity))
            continue;
        const bool drawnInside = !outside.contains(entity);
        if (drawnInside || touching.contains(entity)) {
            picked.push_back(figure.entity);
            seen.insert(entity);
        }
    }
    return picked;
}

}  // namespace hostview
