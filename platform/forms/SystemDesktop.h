#pragma once
// The desktop of real runs: the pointer and the primary screen as the window
// system reports them, and the notification area as the desktop offers one.

#include "platform/forms/Desktop.h"

namespace forms {

class SystemDesktop : public Desktop {
public:
    QPoint pointerPosition() override;
    QSize screenSize() override;
    bool hasNotificationArea() override;
};

}  // namespace forms
