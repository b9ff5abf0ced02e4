#pragma once
// The time source the programs wait and poll with, handed in so that tests can
// drive time themselves: a monotonic millisecond count, sleeping, and letting
// pending window events through once.

#include <QtGlobal>

namespace runtime {

class Clock {
public:
    virtual ~Clock();

    // Monotonic milliseconds since an arbitrary start; never goes back.
    virtual qint64 nowMs() = 0;
    // Blocks for the given milliseconds; zero or less returns at once.
    virtual void sleepMs(qint64 ms) = 0;
    // Lets the window events that are pending now be processed, once.
    virtual void doEvents() = 0;
};

}  // namespace runtime
