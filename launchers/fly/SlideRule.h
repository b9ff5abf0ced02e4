#pragma once
// Where the palette strip stands after one timer tick: slid in at the right
// screen edge while the pointer is at that edge or over the strip, slid out
// beyond the edge otherwise. Positions are twips; the pointer and the screen
// come in pixels, and the two meet at a fixed 15 twips to the pixel, the
// palette's own scale whatever the screen's.

#include <QPoint>
#include <QSize>

namespace fly {

class SlideRule {
public:
    static constexpr int TwipsPerPixel = 15;
    // The strip's top at the edge, in twips.
    static constexpr int BandTop = 2500;
    // Pixels of slack: the edge zone, right of the strip and below it.
    static constexpr int EdgeSlack = 5;
    static constexpr int RightSlack = 5;
    static constexpr int BottomSlack = 25;

    // The strip as the tick finds it, in twips.
    struct Strip {
        int left = 0;
        int top = 0;
        int width = 0;        // the window's width
        int scaleWidth = 0;   // its client area
        int scaleHeight = 0;
    };

    struct Placement {
        int left = 0;
        int top = 0;
        bool topMost = false;  // the pointer reached the edge: the strip floats from now on
    };

    static Placement tick(const QPoint& pointer, const QSize& screen, const Strip& strip);
};

}  // namespace fly
