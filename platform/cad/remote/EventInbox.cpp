#include "platform/cad/remote/EventInbox.h"

#include <utility>

namespace remote {

void EventInbox::post(Delivery delivery)
{
    {
        std::lock_guard lock(mutex_);
        deliveries_.push_back(std::move(delivery));
    }
    changed_.notify_all();
}

void EventInbox::wake()
{
    // Taking the lock orders the wake after a waiter's last look.
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
}

void EventInbox::close()
{
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    changed_.notify_all();
}

bool EventInbox::isClosed() const
{
    std::lock_guard lock(mutex_);
    return closed_;
}

std::optional<EventInbox::Delivery> EventInbox::waitFor(const std::function<bool()>& finished)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !deliveries_.empty() || closed_ || finished(); });
    if (deliveries_.empty())
        return std::nullopt;
    Delivery delivery = std::move(deliveries_.front());
    deliveries_.pop_front();
    return delivery;
}

std::optional<EventInbox::Delivery> EventInbox::take()
{
    std::lock_guard lock(mutex_);
    if (deliveries_.empty())
        return std::nullopt;
    Delivery delivery = std::move(deliveries_.front());
    deliveries_.pop_front();
    return delivery;
}

quint64 EventInbox::addCallback(CallbackInvoker invoker)
{
    std::lock_guard lock(mutex_);
    const quint64 id = nextCallback_++;
    callbacks_.insert(id, std::move(invoker));
    return id;
}

CallbackInvoker EventInbox::callback(quint64 id) const
{
    std::lock_guard lock(mutex_);
    return callbacks_.value(id);
}

CallbackInvoker EventInbox::takeCallback(quint64 id)
{
    std::lock_guard lock(mutex_);
    return callbacks_.take(id);
}

QHash<quint64, CallbackInvoker> EventInbox::takeCallbacks()
{
    std::lock_guard lock(mutex_);
    return std::exchange(callbacks_, {});
}

int EventInbox::callbackCount() const
{
    std::lock_guard lock(mutex_);
    return int(callbacks_.size());
}

}  // namespace remote
