#pragma once
// A form's timer: ticks every `interval` milliseconds while enabled and the
// interval is above 0, and enters its handler through the dispatcher. A tick
// that comes while the handler of the previous one still runs (a box shown from
// it waits for the user) is dropped rather than stacking a second run on top.

#include <QObject>
#include <QTimer>
#include <functional>

namespace forms {

class Dispatcher;

class Timer : public QObject {
public:
    explicit Timer(Dispatcher& dispatcher, QObject* parent = nullptr);

    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    int interval() const { return interval_; }
    // Restarts the count when the timer runs.
    void setInterval(int milliseconds);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    bool isTicking() const { return timer_.isActive(); }

    // One tick now, as the running timer would deliver it; nothing when the
    // timer is disabled or its interval is 0.
    void fire();

private:
    void update();
    void tick();

    Dispatcher& dispatcher_;
    QTimer timer_;
    std::function<void()> handler_;
    int interval_ = 0;
    bool enabled_ = true;
    bool inHandler_ = false;
};

}  // namespace forms
