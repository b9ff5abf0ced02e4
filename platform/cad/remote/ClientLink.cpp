#include "platform/cad/remote/ClientLink.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/InterfaceInfo.h"
#include "platform/cad/remote/Message.h"
#include "platform/cad/remote/PeerLink.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/ProxyBase.h"
#include "platform/cad/remote/Schema.h"
#include "platform/cad/remote/SocketPath.h"

#include <limits>

namespace remote {

namespace {
[[noreturn]] void raiseUnavailable()
{
    runtime::raise(cad::err::RpcServerUnavailable, cad::hostDescription(cad::err::RpcServerUnavailable));
}
}  // namespace

std::shared_ptr<ClientLink> ClientLink::connect(const QString& socketPath)
{
    std::shared_ptr<PeerLink> link = PeerLink::connect(SocketPath::address(socketPath));
    if (!link)
        return nullptr;
    std::shared_ptr<ClientLink> client(new ClientLink(std::move(link)));
    client->listen();
    return client;
}

ClientLink::ClientLink(std::shared_ptr<PeerLink> link)
    : link_(std::move(link)), callTimeoutMs_(protocol::CallTimeoutMs)
{
}

void ClientLink::listen()
{
    std::weak_ptr<ClientLink> weak = weak_from_this();
    link_->setHandlers(
        [weak](const Message& call) {
            if (const std::shared_ptr<ClientLink> client = weak.lock())
                client->serve(call);
        },
        {});
    // Handler calls that arrive while the tool is idle reach it through its
    // event loop; without one they run during the tool's next call.
    link_->attachToEventLoop();
}

ClientLink::~ClientLink()
{
    link_->setHandlers({}, {});
    link_->close();
    // The tool's handlers end with the link, here on its thread.
}

bool ClientLink::isConnected() const { return link_->isConnected(); }

std::shared_ptr<cad::Application> ClientLink::application()
{
    const QByteArray answer =
        send(protocol::HostPath, protocol::HostInterface, protocol::ApplicationMember, QByteArray(), callTimeoutMs_);
    WireReader in(answer);
    std::shared_ptr<cad::Application> application = Codec<std::shared_ptr<cad::Application>>::read(in, *this);
    in.expectEnd();
    return application;
}

QByteArray ClientLink::invoke(quint64 handle, const MemberInfo& member, const QByteArray& arguments)
{
    return send(protocol::objectPath(handle), member.owner().wireName(), member.name(), arguments,
                member.waitsForUser() ? protocol::UnboundedTimeoutMs : callTimeoutMs_);
}

QByteArray ClientLink::send(const QString& path, const QString& interface, const QString& member,
                            const QByteArray& arguments, int timeoutMs)
{
    if (!isConnected())
        raiseUnavailable();
    Message call = Message::methodCall(path, interface, member);
    if (!call)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("%1.%2 is no D-Bus name").arg(interface, member));
    if (!call.appendBytes(arguments))
        cad::raise(cad::err::InvalidArgument, QStringLiteral("the arguments exceed %1 bytes").arg(Message::MaxArrayBytes));
    // The handler may drop the tool's last hold on this link.
    const std::shared_ptr<ClientLink> keep = shared_from_this();
    // Meanwhile the host may call the tool's handlers (a command started by
    // this very call): they run here, as the host waits for them.
    const Message reply = link_->call(call, timeoutMs, PeerLink::Wait::OnSocket);
    if (!reply)
        raiseUnavailable();
    if (reply.isError())
        throw protocol::errorOfReply(reply.errorName(), reply.errorText());
    std::optional<QByteArray> result = reply.bytes();
    if (!result)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the host's answer is malformed"));
    return *std::move(result);
}

void ClientLink::serve(const Message& call)
{
    // The handler may drop the tool's last hold on this link.
    const std::shared_ptr<ClientLink> keep = shared_from_this();
    const std::optional<quint64> id = protocol::callbackOfPath(call.path());
    const bool handlerPath = id && call.interface() == protocol::CallbackInterface;
    const QString member = call.member();
    if (handlerPath && member == protocol::ReleaseMember) {
        // The handler (and the proxies it holds) ends here, on the tool's
        // thread; a copy that is running further up the stack runs on.
        const CallbackInvoker released = handlers_.take(*id);
        if (call.wantsReply())
            link_->send(Message::replyTo(call));
        return;
    }
    Message answer;
    const std::optional<QByteArray> arguments = call.bytes();
    if (handlerPath && member == protocol::InvokeMember && arguments) {
        const CallbackInvoker invoker = handlers_.value(*id);
        if (!invoker) {
            answer = Message::errorTo(call, protocol::errorName(protocol::err::ObjectDisconnected),
                                      protocol::objectDisconnectedDescription());
        } else {
            try {
                WireReader in(*arguments);
                invoker(in, *this);
                answer = Message::replyTo(call);
            } catch (const runtime::Error& error) {
                answer = Message::errorTo(call, protocol::errorName(error.number()), error.description());
            } catch (...) {
                // Nothing a handler throws crosses into the event loop.
                answer = Message::errorTo(call, protocol::errorName(cad::err::ExceptionOccurred),
                                          cad::hostDescription(cad::err::ExceptionOccurred));
            }
        }
    } else {
        answer = Message::errorTo(call, protocol::errorName(cad::err::MemberNotSupported),
                                  cad::hostDescription(cad::err::MemberNotSupported));
    }
    if (call.wantsReply())
        link_->send(answer);
}

void ClientLink::proxyGone(quint64 handle, const ProxyBase* proxy, quint64 references) noexcept
{
    try {
        const auto found = proxies_.find(handle);
        if (found != proxies_.end() && found->proxy == proxy)
            proxies_.erase(found);
        if (!isConnected())
            return;
        Message release =
            Message::methodCall(protocol::objectPath(handle), protocol::HandleInterface, protocol::ReleaseMember);
        release.setNoReply();
        WireWriter out;
        out.tag(tag::Int);
        out.int32(static_cast<int32_t>(std::min<quint64>(references, std::numeric_limits<int32_t>::max())));
        release.appendBytes(out.take());
        link_->send(release);
    } catch (...) {
        // A proxy's end never fails; the host frees the handle with the
        // connection at the latest.
    }
}

void ClientLink::writeObject(WireWriter& out, const std::shared_ptr<void>& object, const InterfaceInfo& declared)
{
    const ProxyBase* proxy = declared.proxyOf(object);
    if (!proxy || proxy->channel() != this)
        WireReader::mismatch(QStringLiteral("an object that is not of this host"));
    out.tag(tag::Object);
    out.uint64(proxy->handle());
    out.text(proxy->kind().name());
}

std::shared_ptr<void> ClientLink::readObject(WireReader& in, const InterfaceInfo& expected)
{
    in.expectTag(tag::Object);
    const quint64 handle = in.uint64();
    const InterfaceInfo* kind = Schema::instance().byName(in.text());
    if (!kind || !kind->isA(expected) || handle == 0)
        WireReader::mismatch(QStringLiteral("an object the host should not have answered"));
    const auto found = proxies_.constFind(handle);
    if (found != proxies_.constEnd() && found->kind == kind) {
        if (const std::shared_ptr<void> object = found->object.lock()) {
            found->proxy->countReference();
            return kind->upcast(object, expected);
        }
    }
    const auto [object, proxy] = kind->makeProxy(shared_from_this(), handle);
    proxies_.insert(handle, Cached{object, proxy, kind});
    return kind->upcast(object, expected);
}

void ClientLink::writeCallback(WireWriter& out, CallbackInvoker invoker)
{
    const quint64 id = nextHandler_++;
    handlers_.insert(id, std::move(invoker));
    out.tag(tag::Callback);
    out.uint64(id);
}

std::shared_ptr<RemoteCallback> ClientLink::readCallback(WireReader&)
{
    WireReader::mismatch(QStringLiteral("the host hands no handlers to tools"));
}

}  // namespace remote
