#include "platform/cad/remote/ServerEndpoint.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/ClientCallback.h"
#include "platform/cad/remote/Message.h"
#include "platform/cad/remote/PeerLink.h"
#include "platform/cad/remote/Protocol.h"

namespace remote {

ServerEndpoint::ServerEndpoint(std::shared_ptr<PeerLink> link, std::shared_ptr<cad::Application> application,
                               Session::Log log, int eventTimeoutMs, QObject* parent)
    : QObject(parent), link_(std::move(link)), log_(std::move(log))
{
    // The session's callbacks reach back to it and to the link weakly: the
    // host may keep a handler longer than the connection lives.
    auto holder = std::make_shared<std::weak_ptr<Session>>();
    std::weak_ptr<PeerLink> weakLink = link_;
    Session::Log callbackLog = log_;
    session_ = std::make_shared<Session>(
        std::move(application),
        [holder, weakLink, eventTimeoutMs, callbackLog](quint64 id) -> std::shared_ptr<RemoteCallback> {
            return std::make_shared<ClientCallback>(weakLink, id, *holder, eventTimeoutMs, callbackLog);
        },
        log_);
    *holder = session_;
    std::weak_ptr<Session> weakSession = session_;
    Session::Log answerLog = log_;
    link_->setHandlers(
        [weakSession, weakLink, answerLog](const Message& message) {
            // Held for the call: the connection may close while a handler runs.
            const std::shared_ptr<Session> session = weakSession.lock();
            const std::shared_ptr<PeerLink> link = weakLink.lock();
            if (!session || !link)
                return;
            if (const Message reply = answer(*session, message, answerLog))
                link->send(reply);
        },
        [this] { onDisconnected(); });
}

ServerEndpoint::~ServerEndpoint() { close(); }

Message ServerEndpoint::answer(Session& session, const Message& message, const Session::Log& log)
{
    if (!message.isMethodCall())
        return {};
    const std::optional<QByteArray> arguments = message.bytes();
    Session::Request request{message.path(), message.interface(), message.member(), arguments.value_or(QByteArray())};
    if (request.interface == protocol::HandleInterface && request.member == protocol::ReleaseMember) {
        session.release(request);
        return {};
    }
    Session::Answer answer;
    if (arguments) {
        answer = session.handle(request);
    } else {
        log(QStringLiteral("a call to %1.%2 on %3 whose arguments (%4) are not one byte array")
                .arg(request.interface.left(100), request.member.left(100), request.path.left(100),
                     message.signature().left(100)));
        answer.ok = false;
        answer.number = runtime::err::TypeMismatch;
        answer.description = runtime::defaultDescription(runtime::err::TypeMismatch);
    }
    if (!message.wantsReply())
        return {};
    if (answer.ok) {
        Message reply = Message::replyTo(message);
        if (reply.appendBytes(answer.result))
            return reply;
        log(QStringLiteral("the answer to %1.%2 is %3 bytes, more than a message carries")
                .arg(request.interface.left(100), request.member.left(100))
                .arg(answer.result.size()));
        answer.number = cad::err::ExceptionOccurred;
        answer.description = cad::hostDescription(cad::err::ExceptionOccurred);
    }
    return Message::errorTo(message, protocol::errorName(answer.number), answer.description);
}

const QString& ServerEndpoint::connectionName() const { return link_->name(); }

bool ServerEndpoint::isOpen() const { return !session_->isClosed() && link_->isConnected(); }

void ServerEndpoint::onDisconnected()
{
    if (session_->isClosed())
        return;
    log_(QStringLiteral("%1 closed; %2 handles released").arg(link_->name()).arg(session_->handleCount()));
    close();
    emit closed();
}

void ServerEndpoint::close()
{
    if (session_->isClosed())
        return;
    session_->close();
    link_->setHandlers({}, {});
    link_->close();
}

}  // namespace remote
