#include "platform/runtime/SystemClock.h"

#include <QCoreApplication>
#include <QThread>

namespace runtime {

SystemClock::SystemClock() { timer_.start(); }

qint64 SystemClock::nowMs() { return timer_.elapsed(); }

void SystemClock::sleepMs(qint64 ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::doEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

}  // namespace runtime
