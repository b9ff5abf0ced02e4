#include "platform/cad/hostview/Thumbnailer.h"

#include "platform/cad/hostview/HostPalette.h"
#include "platform/cad/hostview/SheetPainter.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace hostview {

QImage Thumbnailer::thumbnail(const standin::Drawing& drawing) const { return toPalette(render(drawing, Size)); }

QImage Thumbnailer::render(const standin::Drawing& drawing, const QSize& size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const SheetPainter sheet(drawing);
    const Space space = SheetPainter::activeSpace(drawing);
    const QRectF extents = sheet.extents(space);
    if (extents.isNull())
        return picture;
    // Fitted with a margin of a few pixels; a line along an axis is fitted
    // by its length.
    const double length = std::max(extents.width(), extents.height());
    const double w = std::max(extents.width(), length * 1e-3);
    const double h = std::max(extents.height(), length * 1e-3);
    const double scale = std::min((size.width() - 6) / w, (size.height() - 6) / h);
    const QPointF centre = extents.center();
    const QTransform toPicture(scale, 0.0, 0.0, -scale, size.width() / 2.0 - centre.x() * scale,
                               size.height() / 2.0 + centre.y() * scale);
    QPainter painter(&picture);
    SheetPainter thumbnail(drawing);
    thumbnail.setSmoothing(false);
    thumbnail.paint(painter, toPicture, space);
    return picture;
}

QImage Thumbnailer::toPalette(const QImage& picture)
{
    const QList<QRgb> palette = HostPalette::thumbnailPalette();
    QHash<QRgb, int> index;
    for (int i = palette.size() - 1; i >= 0; --i)
        index.insert(palette[i] | 0xFF000000u, i);
    const auto nearest = [&](QRgb colour) {
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < palette.size(); ++i) {
            const int dr = qRed(colour) - qRed(palette[i]);
            const int dg = qGreen(colour) - qGreen(palette[i]);
            const int db = qBlue(colour) - qBlue(palette[i]);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        return best;
    };
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb colour = in[x] | 0xFF000000u;
            auto found = index.constFind(colour);
            if (found == index.constEnd())
                found = index.insert(colour, nearest(colour));
            out[x] = uchar(*found);
        }
    }
    return indexed;
}

}  // namespace hostview
