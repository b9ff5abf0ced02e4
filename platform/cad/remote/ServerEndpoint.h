#pragma once
// The host's end of one tool's connection: every call on any object path
// arrives here and goes to the connection's session; the answer (a result or
// a numbered error) goes back. A message of the wrong shape is answered with
// an error and logged. When the connection drops, the session releases all it
// held.

#include "platform/cad/remote/Session.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <memory>

namespace remote {

class ServerEndpoint : public QDBusVirtualObject {
    Q_OBJECT

public:
    ServerEndpoint(const QDBusConnection& connection, std::shared_ptr<cad::Application> application,
                   Session::Log log, int eventTimeoutMs, QObject* parent = nullptr);
    ~ServerEndpoint() override;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    QString connectionName() const { return connection_.name(); }
    bool isOpen() const { return !session_->isClosed() && connection_.isConnected(); }
    int handleCount() const { return session_->handleCount(); }
    // Releases what the connection held and drops it.
    void close();

signals:
    void closed();

private slots:
    void onDisconnected();

private:
    QDBusConnection connection_;
    Session::Log log_;
    std::shared_ptr<Session> session_;
};

}  // namespace remote
