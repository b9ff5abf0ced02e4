#pragma once
// A clock for tests: time moves only when the test advances it or the code
// under test sleeps, and each doEvents is counted and may run a hook that
// stands for the events a user would cause meanwhile (a click on Cancel).

#include "platform/runtime/Clock.h"

#include <functional>

namespace runtime {

class ManualClock : public Clock {
public:
    explicit ManualClock(qint64 startMs = 0);

    qint64 nowMs() override;
    // Advances the time by the slept amount at once.
    void sleepMs(qint64 ms) override;
    void doEvents() override;

    // Moves time forward; a negative amount is ignored, time never goes back.
    void advance(qint64 ms);
    void setDoEventsHook(std::function<void()> hook);
    int doEventsCalls() const { return doEventsCalls_; }

private:
    qint64 now_;
    int doEventsCalls_ = 0;
    std::function<void()> hook_;
};

}  // namespace runtime
