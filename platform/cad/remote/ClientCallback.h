#pragma once
// A tool's handler as the host holds it (the command-start event's
// subscriber): calling it calls the object the tool exported on the same
// connection and waits, at most the event timeout, for the handler to return,
// serving the host's other calls meanwhile, so a handler that calls back into
// the host is answered. When the host drops it, the tool is told to drop its
// handler too.

#include "platform/cad/remote/RemoteCallback.h"

#include <QDBusConnection>
#include <QString>
#include <functional>
#include <memory>

namespace remote {

class Session;

class ClientCallback : public RemoteCallback {
public:
    using Log = std::function<void(const QString&)>;

    ClientCallback(QDBusConnection connection, quint64 id, std::weak_ptr<Session> session, int timeoutMs, Log log);
    ~ClientCallback() override;
    ClientCallback(const ClientCallback&) = delete;
    ClientCallback& operator=(const ClientCallback&) = delete;

    void invoke(const ArgumentWriter& writeArguments) override;

private:
    std::shared_ptr<Session> liveSession() const;

    QDBusConnection connection_;
    quint64 id_;
    std::weak_ptr<Session> session_;
    int timeoutMs_;
    Log log_;
};

}  // namespace remote
