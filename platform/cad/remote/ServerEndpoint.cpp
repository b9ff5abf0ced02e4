#include "platform/cad/remote/ServerEndpoint.h"

#include "platform/cad/remote/ClientCallback.h"
#include "platform/cad/remote/Protocol.h"

#include <QDBusMessage>

namespace remote {

namespace {
const QString LocalPath = QStringLiteral("/org/freedesktop/DBus/Local");
const QString LocalInterface = QStringLiteral("org.freedesktop.DBus.Local");
const QString DisconnectedSignal = QStringLiteral("Disconnected");
}  // namespace

ServerEndpoint::ServerEndpoint(const QDBusConnection& connection, std::shared_ptr<cad::Application> application,
                               Session::Log log, int eventTimeoutMs, QObject* parent)
    : QDBusVirtualObject(parent), connection_(connection), log_(std::move(log))
{
    // The session's callbacks reach back to it weakly: the host may keep a
    // handler longer than the connection lives.
    auto holder = std::make_shared<std::weak_ptr<Session>>();
    QDBusConnection link = connection_;
    Session::Log callbackLog = log_;
    session_ = std::make_shared<Session>(
        std::move(application),
        [holder, link, eventTimeoutMs, callbackLog](quint64 id) -> std::shared_ptr<RemoteCallback> {
            return std::make_shared<ClientCallback>(link, id, *holder, eventTimeoutMs, callbackLog);
        },
        log_);
    *holder = session_;
    connection_.registerVirtualObject(QStringLiteral("/"), this, QDBusConnection::SubPath);
    connection_.connect(QString(), LocalPath, LocalInterface, DisconnectedSignal, this, SLOT(onDisconnected()));
}

ServerEndpoint::~ServerEndpoint() { close(); }

QString ServerEndpoint::introspect(const QString&) const { return QString(); }

bool ServerEndpoint::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    // Held for the call: the connection may close while a handler runs.
    const std::shared_ptr<Session> session = session_;
    const QList<QVariant> arguments = message.arguments();
    const bool wellFormed = arguments.size() == 1 && arguments.front().typeId() == QMetaType::QByteArray;
    Session::Request request{message.path(), message.interface(), message.member(),
                             wellFormed ? arguments.front().toByteArray() : QByteArray()};
    if (request.interface == protocol::HandleInterface && request.member == protocol::ReleaseMember) {
        session->release(request);
        return true;
    }
    Session::Answer answer;
    if (wellFormed) {
        answer = session->handle(request);
    } else {
        log_(QStringLiteral("a call to %1.%2 on %3 whose arguments (%4) are not one byte array")
                 .arg(request.interface.left(100), request.member.left(100), request.path.left(100),
                      message.signature().left(100)));
        answer.ok = false;
        answer.number = runtime::err::TypeMismatch;
        answer.description = runtime::defaultDescription(runtime::err::TypeMismatch);
    }
    if (!message.isReplyRequired())
        return true;
    if (answer.ok)
        connection.send(message.createReply(QVariant(answer.result)));
    else
        connection.send(message.createErrorReply(protocol::errorName(answer.number), answer.description));
    return true;
}

void ServerEndpoint::onDisconnected()
{
    if (session_->isClosed())
        return;
    log_(QStringLiteral("connection %1 closed; %2 handles released").arg(connection_.name()).arg(session_->handleCount()));
    close();
    emit closed();
}

void ServerEndpoint::close()
{
    if (session_->isClosed())
        return;
    session_->close();
    connection_.disconnect(QString(), LocalPath, LocalInterface, DisconnectedSignal, this, SLOT(onDisconnected()));
    connection_.unregisterObject(QStringLiteral("/"), QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromPeer(connection_.name());
}

}  // namespace remote
