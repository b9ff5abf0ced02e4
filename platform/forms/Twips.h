#pragma once
// Sizes and positions given in twips, the unit of the original forms: 15 twips
// to a pixel at the 96 DPI the layouts were drawn for. Part pixels round to
// the nearest whole pixel, halves away from zero.

#include <QRect>

class QWidget;

namespace forms {

inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Places a control inside its parent (or a window on the screen).
void placeTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace forms
