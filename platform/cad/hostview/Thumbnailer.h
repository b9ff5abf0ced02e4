#pragma once
// The thumbnail a saved drawing carries in its file's head: the space the
// drawing is shown in (model space, or the layout with its viewports) fitted
// into a small picture, light lines on black as on the drawing view, in the
// 8-bit palette of the host's colour numbers (index 0 the black background,
// 1 to 255 the colour numbers). No smoothing, so every pixel is one of the
// palette's colours.

#include "platform/cad/standin/ThumbnailMaker.h"

#include <QImage>
#include <QSize>

namespace hostview {

class Thumbnailer : public standin::ThumbnailMaker {
public:
    static constexpr QSize Size{180, 120};

    QImage thumbnail(const standin::Drawing& drawing) const override;

    // The drawing painted into a picture of that size, in full colour.
    static QImage render(const standin::Drawing& drawing, const QSize& size);
    // The picture's pixels as indexes of the thumbnail palette: each colour
    // the palette holds by its own index, any other by its nearest.
    static QImage toPalette(const QImage& picture);
};

}  // namespace hostview
