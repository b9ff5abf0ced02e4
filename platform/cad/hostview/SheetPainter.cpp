#include "platform/cad/hostview/SheetPainter.h"

#include "platform/cad/hostview/FigureBuilder.h"
#include "platform/cad/standin/Drawing.h"

#include <QPainter>
#include <algorithm>

namespace hostview {

namespace {

QRectF frameOf(const standin::ViewportShape& v)
{
    return QRectF(v.paperCenter.x - v.width / 2.0, v.paperCenter.y - v.height / 2.0, v.width, v.height);
}

QRectF unite(const QRectF& a, const QRectF& b) { return a.isNull() ? b : b.isNull() ? a : a.united(b); }

}  // namespace

SheetPainter::SheetPainter(const standin::Drawing& drawing) : drawing_(drawing) {}

Space SheetPainter::activeSpace(const standin::Drawing& drawing)
{
    return drawing.tileMode() ? Space::Model : Space::Paper;
}

QTransform SheetPainter::modelToPaper(const standin::ViewportShape& v)
{
    const double s = v.customScale;
    return QTransform(s, 0.0, 0.0, s, v.paperCenter.x - v.viewCenter.x * s, v.paperCenter.y - v.viewCenter.y * s);
}

std::vector<Figure> SheetPainter::figures(Space space) const
{
    FigureBuilder builder(drawing_);
    return builder.build(space == Space::Model ? *drawing_.modelSpace() : *drawing_.paperSpace());
}

QRectF SheetPainter::extents(Space space) const
{
    QRectF extents;
    for (const Figure& figure : figures(space)) {
        extents = unite(extents, figure.bounds());
        if (figure.viewport && figure.viewport->on)
            extents = unite(extents, frameOf(*figure.viewport));
    }
    return extents;
}

void SheetPainter::paint(QPainter& painter, const QTransform& toDevice, Space space) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, smoothing_);
    const std::vector<Figure> own = figures(space);
    if (space == Space::Paper) {
        // What the viewports show goes under the sheet's own objects.
        std::vector<Figure> model;
        bool modelBuilt = false;
        for (const Figure& figure : own) {
            if (!figure.viewport || !figure.viewport->on || !(figure.viewport->customScale > 0.0))
                continue;
            if (!modelBuilt) {
                model = figures(Space::Model);
                modelBuilt = true;
            }
            painter.save();
            QPainterPath clip;
            clip.addRect(frameOf(*figure.viewport));
            painter.setClipPath(toDevice.map(clip), Qt::IntersectClip);
            painter.setWorldTransform(modelToPaper(*figure.viewport) * toDevice, true);
            paintFigures(painter, model);
            painter.restore();
        }
    }
    painter.save();
    painter.setWorldTransform(toDevice, true);
    paintFigures(painter, own);
    painter.restore();
    painter.restore();
}

void SheetPainter::paintFigures(QPainter& painter, const std::vector<Figure>& figures) const
{
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidthF(std::max(1.0, lineWidth_));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    for (const Figure& figure : figures) {
        const QColor colour = pens_.pen(HostPalette::colour(figure.colour, background_));
        if (!figure.strokes.isEmpty()) {
            pen.setColor(colour);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(figure.strokes);
        }
        if (!figure.fills.isEmpty())
            painter.fillPath(figure.fills, colour);
    }
}

}  // namespace hostview
