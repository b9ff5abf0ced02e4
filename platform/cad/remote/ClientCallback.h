#pragma once
// A tool's handler as the host holds it (the command-start event's
// subscriber): calling it calls the object the tool exported on the same
// connection and waits, at most the event timeout, for the handler to return,
// running the host's event loop meanwhile, so a handler that calls back into
// the host is answered and every other tool is served. When the host drops
// it, the tool is told to drop its handler too.

#include "platform/cad/remote/RemoteCallback.h"

#include <QString>
#include <functional>
#include <memory>

namespace remote {

class PeerLink;
class Session;

class ClientCallback : public RemoteCallback {
public:
    using Log = std::function<void(const QString&)>;

    ClientCallback(std::weak_ptr<PeerLink> link, quint64 id, std::weak_ptr<Session> session, int timeoutMs, Log log);
    ~ClientCallback() override;
    ClientCallback(const ClientCallback&) = delete;
    ClientCallback& operator=(const ClientCallback&) = delete;

    void invoke(const ArgumentWriter& writeArguments) override;

private:
    // The link and session while the connection is open.
    std::pair<std::shared_ptr<PeerLink>, std::shared_ptr<Session>> live() const;

    std::weak_ptr<PeerLink> link_;
    quint64 id_;
    std::weak_ptr<Session> session_;
    int timeoutMs_;
    Log log_;
};

}  // namespace remote
