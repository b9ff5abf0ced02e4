#pragma once
// Paints a drawing's model space, or its paper-space layout with the floating
// viewports showing model space at their scale around their view centre
// (clipped to the viewport), onto any painter under a transform from drawing
// to device coordinates. The one painter of the drawing view, the plots, their
// preview and the thumbnails: they differ only in the background the colours
// are meant for, the pen table, the line width and smoothing.

#include "platform/cad/hostview/Figure.h"
#include "platform/cad/hostview/HostPalette.h"
#include "platform/cad/hostview/PenTable.h"

#include <QRectF>
#include <QTransform>
#include <vector>

class QPainter;

namespace standin {
class Drawing;
}

namespace hostview {

enum class Space { Model, Paper };

class SheetPainter {
public:
    explicit SheetPainter(const standin::Drawing& drawing);

    void setBackground(Background background) { background_ = background; }
    void setPenTable(const PenTable& pens) { pens_ = pens; }
    // The width of every line in device units (at least a device pixel).
    void setLineWidth(double width) { lineWidth_ = width; }
    void setSmoothing(bool on) { smoothing_ = on; }

    // The space the drawing is shown in: model space on the model tab, the
    // paper-space layout otherwise.
    static Space activeSpace(const standin::Drawing& drawing);
    // Where a point of model space shows on the sheet through a viewport.
    static QTransform modelToPaper(const standin::ViewportShape& viewport);

    void paint(QPainter& painter, const QTransform& toDevice, Space space) const;

    // The figures of the space's own objects (paper space without what the
    // viewports show).
    std::vector<Figure> figures(Space space) const;
    // The smallest rectangle holding what the space shows, in its
    // coordinates; a null rectangle for an empty space.
    QRectF extents(Space space) const;

private:
    void paintFigures(QPainter& painter, const std::vector<Figure>& figures) const;

    const standin::Drawing& drawing_;
    Background background_ = Background::Dark;
    PenTable pens_;
    double lineWidth_ = 1.0;
    bool smoothing_ = true;
};

}  // namespace hostview
