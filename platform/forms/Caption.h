#pragma once
// The width a window needs for its title bar to show its whole caption: the
// caption set in a bold title font, with room for the window's icon and its
// three title-bar buttons. The window manager draws the bar, so the figure is
// an allowance, not a measurement of it.

class QWidget;

namespace forms {

int captionWidth(const QWidget& window);

}  // namespace forms
