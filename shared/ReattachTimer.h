#pragma once
// A tool's re-attach: a form timer that attaches to the running host again on
// every tick, so that the tool follows the drawing the user switches to. It
// starts disabled; the tool enables it from its load on. The attach routine
// itself keeps failure boxes from piling up while one is open.

#include "platform/forms/Timer.h"

#include <functional>

namespace suite {

class ReattachTimer : public forms::Timer {
public:
    ReattachTimer(forms::Dispatcher& dispatcher, QObject* parent, int interval, std::function<void()> attach)
        : forms::Timer(dispatcher, parent)
    {
        setEnabled(false);
        setInterval(interval);
        setHandler(std::move(attach));
    }
};

}  // namespace suite
