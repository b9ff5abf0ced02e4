#include "platform/forms/Timer.h"

#include "platform/forms/Dispatcher.h"

#include <QPointer>
#include <algorithm>

namespace forms {

Timer::Timer(Dispatcher& dispatcher, QObject* parent) : QObject(parent), dispatcher_(dispatcher)
{
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void Timer::setInterval(int milliseconds)
{
    interval_ = std::max(0, milliseconds);
    update();
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    update();
}

void Timer::update()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::fire()
{
    if (enabled_ && interval_ > 0)
        tick();
}

void Timer::tick()
{
    if (inHandler_ || !handler_)
        return;
    // The handler may delete the form that owns this timer.
    const QPointer<Timer> self(this);
    const std::function<void()> handler = handler_;
    inHandler_ = true;
    dispatcher_.run(handler);
    if (self)
        inHandler_ = false;
}

}  // namespace forms
