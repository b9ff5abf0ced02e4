#include "platform/runtime/ManualClock.h"

#include <utility>

namespace runtime {

ManualClock::ManualClock(qint64 startMs) : now_(startMs) {}

qint64 ManualClock::nowMs() { return now_; }

void ManualClock::sleepMs(qint64 ms) { advance(ms); }

void ManualClock::doEvents()
{
    ++doEventsCalls_;
    if (hook_)
        hook_();
}

void ManualClock::advance(qint64 ms)
{
    if (ms > 0)
        now_ += ms;
}

void ManualClock::setDoEventsHook(std::function<void()> hook) { hook_ = std::move(hook); }

}  // namespace runtime
