#include "launchers/fly/SlideRule.h"

namespace fly {

SlideRule::Placement SlideRule::tick(const QPoint& pointer, const QSize& screen, const Strip& strip)
{
    const double x = pointer.x();
    const double y = pointer.y();
    const int screenWidth = screen.width() * TwipsPerPixel;
    const int shownLeft = screenWidth - strip.width;

    Placement placement{strip.left, strip.top, false};
    if (x >= double(screenWidth) / TwipsPerPixel - EdgeSlack) {
        placement = {shownLeft, BandTop, true};
    }
    // Over the strip where it stands now, which the edge may just have moved.
    const bool inside = x >= double(placement.left) / TwipsPerPixel
        && x <= double(placement.left + strip.scaleWidth) / TwipsPerPixel + RightSlack
        && y >= double(placement.top) / TwipsPerPixel
        && y <= double(placement.top + strip.scaleHeight) / TwipsPerPixel + BottomSlack;
    placement.top = BandTop;
    placement.left = inside ? shownLeft : screenWidth;
    return placement;
}

}  // namespace fly
