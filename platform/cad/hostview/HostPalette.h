#pragma once
// The host's colour numbers (1 to 255) as colours, in a palette of our own:
// 1 to 7 the plain colours red, yellow, green, cyan, blue, magenta and white,
// 8 and 9 two greys, 10 to 249 twenty-four hues in ten shades each, 250 to
// 255 greys from dark to light. Colour 7 is white on a dark background and
// black on paper; every other number keeps its colour on both.

#include <QColor>
#include <QList>
#include <QRgb>

namespace hostview {

enum class Background {
    Dark,   // the drawing view and the thumbnail
    Paper,  // plots and their preview
};

class HostPalette {
public:
    static constexpr int Foreground = 7;

    // The colour of a number; a number outside 1 to 255 counts as 7.
    static QColor colour(int index, Background background);
    // What the drawing view is painted on.
    static QColor viewBackground();
    // The thumbnail's 256 entries: 0 is the background, pure black; 1 to 255
    // the colours on a dark background. No entry but 0 is pure black.
    static QList<QRgb> thumbnailPalette();
};

}  // namespace hostview
