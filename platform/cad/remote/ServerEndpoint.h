#pragma once
// The host's end of one tool's connection: every call on any object path
// arrives here and goes to the connection's session; the answer (a result or
// a numbered error) goes back. A message of the wrong shape is answered with
// an error and logged. When the connection drops, the session releases all it
// held.

#include "platform/cad/remote/Session.h"

#include <QObject>
#include <memory>

namespace remote {

class Message;
class PeerLink;

class ServerEndpoint : public QObject {
    Q_OBJECT

public:
    ServerEndpoint(std::shared_ptr<PeerLink> link, std::shared_ptr<cad::Application> application, Session::Log log,
                   int eventTimeoutMs, QObject* parent = nullptr);
    ~ServerEndpoint() override;

    // The answer to one message that came: the result or a numbered error;
    // null for what wants none (a release, a call sent without wanting an
    // answer, anything not a call).
    static Message answer(Session& session, const Message& message, const Session::Log& log);

    const QString& connectionName() const;
    bool isOpen() const;
    int handleCount() const { return session_->handleCount(); }
    // Releases what the connection held and drops it.
    void close();

signals:
    void closed();

private:
    void onDisconnected();

    std::shared_ptr<PeerLink> link_;
    Session::Log log_;
    std::shared_ptr<Session> session_;
};

}  // namespace remote
