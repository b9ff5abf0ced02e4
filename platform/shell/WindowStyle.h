#pragma once
// The window state a started program is asked to take, by the numbers the
// programs pass. 5 is not a start style, so it is absent.

#include "platform/runtime/Error.h"

namespace shell {

enum class WindowStyle : int {
    Hide = 0,
    NormalFocus = 1,
    MinimizedFocus = 2,
    Maximized = 3,
    NormalNoFocus = 4,
    MinimizedNoFocus = 6,
};

// A value cast in from outside the list is the caller's bad argument (error 5),
// not something to pass on to a started program.
inline void checkWindowStyle(WindowStyle style)
{
    switch (style) {
    case WindowStyle::Hide:
    case WindowStyle::NormalFocus:
    case WindowStyle::MinimizedFocus:
    case WindowStyle::Maximized:
    case WindowStyle::NormalNoFocus:
    case WindowStyle::MinimizedNoFocus:
        return;
    }
    runtime::raise(runtime::err::InvalidProcedureCall);
}

}  // namespace shell
