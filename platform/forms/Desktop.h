#pragma once
// What the programs read of the desktop itself: where the mouse pointer is,
// how large the screen is, and whether there is a notification area for a
// program's icon. Real runs ask the window system; tests set the answers, so
// that behaviour that follows the pointer is tried without a real pointer.

#include <QPoint>
#include <QSize>

namespace forms {

class Desktop {
public:
    virtual ~Desktop() = default;

    // The pointer's position on the screen, in pixels.
    virtual QPoint pointerPosition() = 0;
    // The size of the screen the programs' windows open on, in pixels.
    virtual QSize screenSize() = 0;
    // Whether an icon added to the notification area can be seen and used.
    virtual bool hasNotificationArea() = 0;
};

}  // namespace forms
