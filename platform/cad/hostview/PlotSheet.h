#pragma once
// How one plot lies on its paper, worked out from the job the host recorded:
// the paper of the job's device, turned by the plot rotation (a quarter turn
// lays it on its long side, a half turn plots upside down), the plotted area
// of the layout's space (a window, the layout's sheet, or the extents), the
// scale (a standard scale, or what fits the paper), the place of the area on
// the paper (centred, or at the plot offset) and the pens of the plot style
// table. A plot's PDF and its preview both draw through it.

#include "platform/cad/hostview/PenTable.h"
#include "platform/cad/hostview/SheetPainter.h"
#include "platform/cad/standin/PlotJob.h"

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

namespace standin {
class Drawing;
}

namespace hostview {

class PlotSheet {
public:
    // The sheet of a job of the drawing; not valid, with the problem, when
    // the job's device has no such paper.
    static PlotSheet of(const standin::PlotJob& job, const standin::Drawing& drawing);

    bool isValid() const { return problem_.isEmpty(); }
    const QString& problem() const { return problem_; }

    Space space() const { return space_; }
    // The paper as it lies under the plot (long side across after a quarter
    // turn), in its own unit.
    const QSizeF& paperSize() const { return paper_; }
    bool millimetres() const { return millimetres_; }
    // The PDF page: the paper, lying as plotted, without margins.
    QPageLayout pageLayout() const;
    // The plotted area, in the space's coordinates.
    const QRectF& area() const { return area_; }
    // Whether only the area is plotted (a window), not all it holds.
    bool clipsToArea() const { return clips_; }
    // Paper units per drawing unit.
    double scale() const { return scale_; }
    // The area's lower left corner on the paper, from the paper's lower left.
    const QPointF& offset() const { return offset_; }
    bool upsideDown() const { return upsideDown_; }
    const PenTable& pens() const { return pens_; }

    // From the space to a page drawn into `page` (device coordinates, y down).
    QTransform toPage(const QRectF& page) const;
    // The plotted line width on such a page (a quarter millimetre), in
    // device units.
    double lineWidth(const QRectF& page) const;

private:
    QString problem_;
    Space space_ = Space::Model;
    QSizeF paper_{8.5, 11.0};
    QString paperName_;
    bool millimetres_ = false;
    bool turned_ = false;
    QRectF area_{0.0, 0.0, 1.0, 1.0};
    bool clips_ = false;
    double scale_ = 1.0;
    QPointF offset_;
    bool upsideDown_ = false;
    PenTable pens_;
};

}  // namespace hostview
