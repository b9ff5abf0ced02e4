#include "platform/cad/remote/ClientCallback.h"

#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/Message.h"
#include "platform/cad/remote/PeerLink.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/Session.h"

namespace remote {

ClientCallback::ClientCallback(std::weak_ptr<PeerLink> link, quint64 id, std::weak_ptr<Session> session,
                               int timeoutMs, Log log)
    : link_(std::move(link)), id_(id), session_(std::move(session)), timeoutMs_(timeoutMs), log_(std::move(log))
{
}

ClientCallback::~ClientCallback()
{
    const auto [link, session] = live();
    if (!link)
        return;
    Message release =
        Message::methodCall(protocol::callbackPath(id_), protocol::CallbackInterface, protocol::ReleaseMember);
    release.setNoReply();
    link->send(release);
}

std::pair<std::shared_ptr<PeerLink>, std::shared_ptr<Session>> ClientCallback::live() const
{
    std::shared_ptr<Session> session = session_.lock();
    std::shared_ptr<PeerLink> link = link_.lock();
    if (!session || session->isClosed() || !link || !link->isConnected())
        return {};
    return {std::move(link), std::move(session)};
}

void ClientCallback::invoke(const ArgumentWriter& writeArguments)
{
    const auto [link, session] = live();
    if (!link)
        return;
    WireWriter out;
    writeArguments(out, *session);
    Message call = Message::methodCall(protocol::callbackPath(id_), protocol::CallbackInterface, protocol::InvokeMember);
    if (!call.appendBytes(out.take()))
        return;
    const Message reply = link->call(call, timeoutMs_, PeerLink::Wait::RunningEventLoop);
    if (!reply && !link->isConnected()) {
        log_(QStringLiteral("a tool's event handler (%1 on %2) went with its connection").arg(id_).arg(link->name()));
    } else if (!reply) {
        log_(QStringLiteral("a tool's event handler (%1 on %2) did not answer within %3 ms")
                 .arg(id_)
                 .arg(link->name())
                 .arg(timeoutMs_));
    } else if (reply.isError()) {
        log_(QStringLiteral("a tool's event handler (%1 on %2) failed: %3 %4")
                 .arg(id_)
                 .arg(link->name(), reply.errorName(), reply.errorText()));
    }
}

}  // namespace remote
