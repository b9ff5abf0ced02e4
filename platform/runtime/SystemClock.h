#pragma once
// The real clock: a monotonic timer started at construction, thread sleep, and
// the application's event processing.

#include "platform/runtime/Clock.h"

#include <QElapsedTimer>

namespace runtime {

class SystemClock : public Clock {
public:
    SystemClock();

    qint64 nowMs() override;
    void sleepMs(qint64 ms) override;
    // Does nothing before a QCoreApplication exists.
    void doEvents() override;

private:
    QElapsedTimer timer_;
};

}  // namespace runtime
