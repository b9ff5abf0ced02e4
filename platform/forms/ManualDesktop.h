#pragma once
// The desktop of tests: a screen of a set size, a pointer that stays where
// the test puts it, and a notification area that is there unless the test
// takes it away.

#include "platform/forms/Desktop.h"

namespace forms {

class ManualDesktop : public Desktop {
public:
    // 1280 × 1024 pixels, the pointer at the top left corner.
    ManualDesktop() = default;

    void setPointerPosition(const QPoint& position) { pointer_ = position; }
    void setScreenSize(const QSize& size) { screen_ = size; }
    void setNotificationArea(bool available) { notificationArea_ = available; }

    QPoint pointerPosition() override { return pointer_; }
    QSize screenSize() override { return screen_; }
    bool hasNotificationArea() override { return notificationArea_; }

private:
    QPoint pointer_{0, 0};
    QSize screen_{1280, 1024};
    bool notificationArea_ = true;
};

}  // namespace forms
