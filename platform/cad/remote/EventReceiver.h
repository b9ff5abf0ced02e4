#pragma once
// The object a tool exports on its connection, on a thread of its own so
// that it hears the host even while the tool's thread waits on a call: calls
// to the tool's handlers go to the inbox (their answers wait for the
// handler), releases drop handlers, and the connection's end closes the
// inbox.

#include "platform/cad/remote/EventInbox.h"

#include <QDBusVirtualObject>
#include <functional>
#include <memory>

namespace remote {

class EventReceiver : public QDBusVirtualObject {
    Q_OBJECT

public:
    using ToolThread = std::function<void(std::function<void()>)>;

    // `toolThread` runs a task on the tool's thread, through its event loop:
    // the delivery of what waits in the inbox, and the end of a released
    // handler (it may hold the tool's proxies).
    EventReceiver(std::shared_ptr<EventInbox> inbox, std::function<void()> deliverWaiting, ToolThread toolThread);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

public slots:
    void onDisconnected();

private:
    std::shared_ptr<EventInbox> inbox_;
    std::function<void()> deliverWaiting_;
    ToolThread toolThread_;
};

}  // namespace remote
