#include "platform/cad/remote/ClientCallback.h"

#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/Session.h"

#include <QDBusMessage>

namespace remote {

ClientCallback::ClientCallback(QDBusConnection connection, quint64 id, std::weak_ptr<Session> session,
                               int timeoutMs, Log log)
    : connection_(std::move(connection)), id_(id), session_(std::move(session)), timeoutMs_(timeoutMs),
      log_(std::move(log))
{
}

ClientCallback::~ClientCallback()
{
    if (!liveSession())
        return;
    QDBusMessage release = QDBusMessage::createMethodCall(QString(), protocol::callbackPath(id_),
                                                          protocol::CallbackInterface, protocol::ReleaseMember);
    connection_.send(release);
}

std::shared_ptr<Session> ClientCallback::liveSession() const
{
    std::shared_ptr<Session> session = session_.lock();
    if (!session || session->isClosed() || !connection_.isConnected())
        return nullptr;
    return session;
}

void ClientCallback::invoke(const ArgumentWriter& writeArguments)
{
    const std::shared_ptr<Session> session = liveSession();
    if (!session)
        return;
    WireWriter out;
    writeArguments(out, *session);
    QDBusMessage call = QDBusMessage::createMethodCall(QString(), protocol::callbackPath(id_),
                                                       protocol::CallbackInterface, protocol::InvokeMember);
    call << out.take();
    // Waiting with an event loop lets the host answer the handler's own calls
    // and the other tools while the handler runs.
    const QDBusMessage reply = connection_.call(call, QDBus::BlockWithGui, timeoutMs_);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        log_(QStringLiteral("a tool's event handler (%1 on %2) failed or did not answer: %3 %4")
                 .arg(id_)
                 .arg(connection_.name(), reply.errorName(), reply.errorMessage()));
    }
}

}  // namespace remote
