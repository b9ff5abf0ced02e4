#include "platform/cad/hostview/PlotSheet.h"

#include "platform/cad/Layout.h"
#include "platform/cad/standin/DeviceCatalogue.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Layout.h"

#include <QPageSize>
#include <algorithm>

namespace hostview {

PlotSheet PlotSheet::of(const standin::PlotJob& job, const standin::Drawing& drawing)
{
    PlotSheet sheet;
    const standin::PlotDevice* device = drawing.context().devices().device(job.device);
    const standin::Media* media = device ? standin::DeviceCatalogue::media(*device, job.media) : nullptr;
    if (!media || !(media->width > 0.0) || !(media->height > 0.0)) {
        sheet.problem_ = QStringLiteral("%1 has no paper %2").arg(job.device, job.media);
        return sheet;
    }
    sheet.millimetres_ = media->millimetres;
    sheet.paperName_ = media->localeName;
    // Assumption: a sheet turned by 90 or 270 degrees swaps its sides, as the
    // host's centring does.
    sheet.turned_ = job.rotation % 2 == 1;
    sheet.upsideDown_ = job.rotation >= 2;
    sheet.paper_ = sheet.turned_ ? QSizeF(media->height, media->width) : QSizeF(media->width, media->height);
    sheet.space_ = job.layout == drawing.modelLayout()->rawName() ? Space::Model : Space::Paper;
    sheet.pens_ = PenTable::named(job.styleSheet, job.plotWithPlotStyles);

    const double paperWidth = sheet.paper_.width();
    const double paperHeight = sheet.paper_.height();
    if (job.plotType == cad::plotType::Window && job.hasWindow) {
        sheet.area_ = QRectF(QPointF(job.windowLowerLeft.x, job.windowLowerLeft.y),
                             QPointF(job.windowUpperRight.x, job.windowUpperRight.y)).normalized();
        sheet.clips_ = true;
    } else if (job.plotType == cad::plotType::Layout && sheet.space_ == Space::Paper) {
        // The layout's sheet: paper space from its origin, as large as the
        // paper.
        sheet.area_ = QRectF(0.0, 0.0, paperWidth, paperHeight);
    } else {
        // Assumption: the stand-in keeps no display, limits nor named views;
        // those plot areas plot the extents, as an extents plot does.
        const QRectF extents = SheetPainter(drawing).extents(sheet.space_);
        if (!extents.isNull())
            sheet.area_ = extents;
    }

    // The drawing unit is the paper's unit (see the layout's centring).
    double factor = standin::Layout::scaleFactor(job.standardScale);
    if (factor == 0.0) {
        const double across = sheet.area_.width() > 0.0 ? paperWidth / sheet.area_.width() : 0.0;
        const double up = sheet.area_.height() > 0.0 ? paperHeight / sheet.area_.height() : 0.0;
        factor = across > 0.0 && up > 0.0 ? std::min(across, up) : std::max({across, up, 0.0});
        if (!(factor > 0.0))
            factor = 1.0;
    }
    sheet.scale_ = factor;
    if (job.centered)
        sheet.offset_ = QPointF((paperWidth - sheet.area_.width() * factor) / 2.0,
                                (paperHeight - sheet.area_.height() * factor) / 2.0);
    else
        sheet.offset_ = QPointF(job.origin.x, job.origin.y);
    return sheet;
}

QPageLayout PlotSheet::pageLayout() const
{
    const QSizeF portrait = turned_ ? paper_.transposed() : paper_;
    const QPageSize size(portrait, millimetres_ ? QPageSize::Millimeter : QPageSize::Inch, paperName_,
                         QPageSize::ExactMatch);
    return QPageLayout(size, turned_ ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

QTransform PlotSheet::toPage(const QRectF& page) const
{
    const double k = page.width() / paper_.width();
    const double f = scale_;
    const double w = paper_.width();
    const double h = paper_.height();
    const double ax = area_.left();
    const double ay = area_.top();  // the lower edge: y runs up
    const double ox = offset_.x();
    const double oy = offset_.y();
    // On the paper a point lands at (x - ax) f + ox, (y - ay) f + oy from the
    // lower left corner; upside down, the paper is turned about its middle.
    if (!upsideDown_)
        return QTransform(k * f, 0.0, 0.0, -k * f, page.left() + k * (ox - f * ax), page.top() + k * (h - oy + f * ay));
    return QTransform(-k * f, 0.0, 0.0, k * f, page.left() + k * (w - ox + f * ax), page.top() + k * (oy - f * ay));
}

double PlotSheet::lineWidth(const QRectF& page) const
{
    const double quarterMillimetre = millimetres_ ? 0.25 : 0.25 / 25.4;
    return quarterMillimetre * page.width() / paper_.width();
}

}  // namespace hostview
