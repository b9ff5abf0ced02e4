#pragma once
// Where a tool's end of a connection meets its receiving thread: the calls
// the host makes to the tool's handlers wait here to be run on the tool's own
// thread, a call the tool is waiting on is woken here when its answer comes,
// and the handlers the tool exported are kept here by id. A tool waiting on
// a call runs arriving handler calls right away (the host is waiting for
// them); an idle tool gets them through its event loop.

#include "platform/cad/remote/ObjectBridge.h"

#include <QByteArray>
#include <QDBusMessage>
#include <QHash>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace remote {

class EventInbox {
public:
    struct Delivery {
        quint64 callback = 0;
        QByteArray arguments;
        QDBusMessage call;  // answered once the handler has run
    };

    void post(Delivery delivery);
    // An answer the tool may be waiting on has come.
    void wake();
    // The connection dropped: nothing more will come.
    void close();
    bool isClosed() const;

    // Waits until `finished` holds, the connection drops, or a delivery
    // waits; then takes that delivery, if any.
    std::optional<Delivery> waitFor(const std::function<bool()>& finished);
    std::optional<Delivery> take();

    quint64 addCallback(CallbackInvoker invoker);
    CallbackInvoker callback(quint64 id) const;
    // Takes the handler out; the caller lets it end on the tool's thread.
    CallbackInvoker takeCallback(quint64 id);
    QHash<quint64, CallbackInvoker> takeCallbacks();
    int callbackCount() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Delivery> deliveries_;
    QHash<quint64, CallbackInvoker> callbacks_;
    quint64 nextCallback_ = 1;
    bool closed_ = false;
};

}  // namespace remote
