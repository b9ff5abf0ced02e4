#pragma once
// See-through windows and controls. Once a window has been made see-through it
// stays marked as "layered", also when its alpha goes back to 255 (fully
// opaque), as the window style bit of the original did.

class QWidget;

namespace forms {

// alpha: 0 (invisible) to 255 (opaque). A top-level window gets the window
// opacity, a control inside a window an opacity effect. Raises 91 for a null
// widget and 6 (overflow) for an alpha outside 0..255, as a byte argument would.
void setWindowAlpha(QWidget* widget, int alpha);

// 255 for a widget that was never made see-through.
int windowAlpha(const QWidget* widget);

bool isLayered(const QWidget* widget);

}  // namespace forms
