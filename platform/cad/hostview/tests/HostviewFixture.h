#pragma once
// A stand-in host over a fresh drive C with one new drawing, and the few
// steps the view's tests share: paint a space of the drawing into an image
// with a chosen window of the drawing filling it, and read a pixel back at a
// drawing point.

#include "platform/cad/hostview/SheetPainter.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/FileSystem.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace hostview::test {

inline cad::Point pt(double x, double y) { return cad::Point{x, y, 0.0}; }

inline files::DriveTable driveC(const QTemporaryDir& dir)
{
    QDir(dir.path()).mkdir(QStringLiteral("c"));
    files::DriveTable table;
    table.map(QStringLiteral("C"), dir.path() + QStringLiteral("/c"));
    return table;
}

// The transform that shows `window` of the drawing on the whole image, y up.
inline QTransform fitting(const QRectF& window, const QSize& image)
{
    const double sx = image.width() / window.width();
    const double sy = image.height() / window.height();
    return QTransform(sx, 0.0, 0.0, -sy, -window.left() * sx, image.height() + window.top() * sy);
}

class HostviewTest : public ::testing::Test {
protected:
    HostviewTest() : fs(driveC(temp)), host(standin::Host::create(fs)), document(host->addDocument()) {}

    const standin::Drawing& drawing() const { return *document->drawing(); }

    // The space painted over a 200 x 200 image showing drawing units 0 to
    // 200 both ways (one unit a pixel), without smoothing.
    QImage paint(Space space, Background background = Background::Dark, const PenTable& pens = PenTable()) const
    {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(background == Background::Dark ? Qt::black : Qt::white);
        QPainter painter(&image);
        SheetPainter sheet(drawing());
        sheet.setBackground(background);
        sheet.setPenTable(pens);
        sheet.setSmoothing(false);
        sheet.paint(painter, fitting(QRectF(0, 0, 200, 200), image.size()), space);
        return image;
    }

    // The pixel showing drawing point (x, y) of such an image; a point at
    // half units is the middle of its pixel.
    static QColor at(const QImage& image, double x, double y)
    {
        return image.pixelColor(int(std::floor(x)), int(std::floor(image.height() - y)));
    }

    QTemporaryDir temp;
    files::FileSystem fs;
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> document;
};

}  // namespace hostview::test
