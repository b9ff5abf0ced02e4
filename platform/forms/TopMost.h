#pragma once
// Windows that float above all others. The flags are the values the programs
// pass (3, or 83 for "also show it, without taking the focus"); the window never
// moves or changes size here, whatever the flags.

class QWidget;

namespace forms {

inline constexpr int TopMostKeepPlace = 3;      // no move, no size
inline constexpr int TopMostShowNoActivate = 83;  // no move, no size, no activation, show

// Applies to the widget's window. Calling it again on a window that already
// floats changes nothing (no flicker when a timer calls it on every tick).
// Raises 91 for a null widget.
void setTopMost(QWidget* widget, int flags = TopMostKeepPlace);

bool isTopMost(const QWidget* widget);

}  // namespace forms
