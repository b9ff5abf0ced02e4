#include "platform/cad/remote/ClientLink.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/EventReceiver.h"
#include "platform/cad/remote/InterfaceInfo.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/ProxyBase.h"
#include "platform/cad/remote/Schema.h"
#include "platform/cad/remote/SocketPath.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QUuid>
#include <limits>

namespace remote {

namespace {
const QString LocalPath = QStringLiteral("/org/freedesktop/DBus/Local");
const QString LocalInterface = QStringLiteral("org.freedesktop.DBus.Local");
const QString DisconnectedSignal = QStringLiteral("Disconnected");
const QString CallbackRoot = QStringLiteral("/c");

[[noreturn]] void raiseUnavailable()
{
    runtime::raise(cad::err::RpcServerUnavailable, cad::hostDescription(cad::err::RpcServerUnavailable));
}
}  // namespace

std::shared_ptr<ClientLink> ClientLink::connect(const QString& socketPath)
{
    const QString name = QStringLiteral("tarvo-cad-") + QUuid::createUuid().toString(QUuid::Id128);
    const QDBusConnection connection = QDBusConnection::connectToPeer(SocketPath::address(socketPath), name);
    if (!connection.isConnected()) {
        QDBusConnection::disconnectFromPeer(name);
        return nullptr;
    }
    std::shared_ptr<ClientLink> link(new ClientLink(connection, name));
    link->startReceiving();
    return link;
}

ClientLink::ClientLink(const QDBusConnection& connection, QString name)
    : name_(std::move(name)), connection_(connection), inbox_(std::make_shared<EventInbox>()),
      callTimeoutMs_(protocol::CallTimeoutMs)
{
}

void ClientLink::startReceiving()
{
    // Handler calls that arrive while the tool is idle reach it through its
    // event loop.
    std::weak_ptr<ClientLink> weak = weak_from_this();
    receiver_ = new EventReceiver(
        inbox_,
        [weak] {
            if (const std::shared_ptr<ClientLink> link = weak.lock())
                link->deliverWaiting();
        },
        [](std::function<void()> task) {
            // Without an application (the program is ending) nothing is run.
            if (QCoreApplication* application = QCoreApplication::instance())
                QMetaObject::invokeMethod(application, std::move(task), Qt::QueuedConnection);
        });
    connection_.registerVirtualObject(CallbackRoot, receiver_, QDBusConnection::SubPath);
    connection_.connect(QString(), LocalPath, LocalInterface, DisconnectedSignal, receiver_, SLOT(onDisconnected()));
    receiving_.setObjectName(QStringLiteral("cad link"));
    receiving_.start();
    receiver_->moveToThread(&receiving_);
}

ClientLink::~ClientLink()
{
    connection_.disconnect(QString(), LocalPath, LocalInterface, DisconnectedSignal, receiver_,
                           SLOT(onDisconnected()));
    connection_.unregisterObject(CallbackRoot, QDBusConnection::UnregisterTree);
    // The receiver ends on its own thread, taking any answer watchers along.
    EventReceiver* receiver = receiver_;
    QMetaObject::invokeMethod(receiver, [receiver] { delete receiver; }, Qt::BlockingQueuedConnection);
    receiving_.quit();
    receiving_.wait();
    inbox_->close();
    // The tool's handlers end here, on its thread.
    inbox_->takeCallbacks();
    QDBusConnection::disconnectFromPeer(name_);
}

bool ClientLink::isConnected() const { return !inbox_->isClosed() && connection_.isConnected(); }

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
    QDBusMessage call = QDBusMessage::createMethodCall(QString(), path, interface, member);
    call << arguments;
    const QDBusPendingCall pending = connection_.asyncCall(call, timeoutMs);
    // The answer's arrival is heard on the receiving thread, which wakes this
    // one; the watcher belongs to the receiver, so it ends with the link.
    EventReceiver* receiver = receiver_;
    std::shared_ptr<EventInbox> inbox = inbox_;
    QMetaObject::invokeMethod(
        receiver,
        [receiver, pending, inbox] {
            auto* watcher = new QDBusPendingCallWatcher(pending, receiver);
            QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                             [inbox](QDBusPendingCallWatcher* finished) {
                                 inbox->wake();
                                 finished->deleteLater();
                             });
        },
        Qt::QueuedConnection);
    // Meanwhile the host may call the tool's handlers (a command started by
    // this very call): they run here, as the host waits for them.
    while (const std::optional<EventInbox::Delivery> delivery = inbox_->waitFor([&] { return pending.isFinished(); }))
        deliver(*delivery);
    if (!pending.isFinished())
        raiseUnavailable();
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage)
        throw protocol::errorOfReply(reply.errorName(), reply.errorMessage());
    const QList<QVariant> values = reply.arguments();
    if (values.size() != 1 || values.front().typeId() != QMetaType::QByteArray)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the host's answer is malformed"));
    return values.front().toByteArray();
}

void ClientLink::deliverWaiting()
{
    while (const std::optional<EventInbox::Delivery> delivery = inbox_->take())
        deliver(*delivery);
}

void ClientLink::deliver(const EventInbox::Delivery& delivery)
{
    // The handler may drop the tool's last hold on this link.
    const std::shared_ptr<ClientLink> keep = shared_from_this();
    const CallbackInvoker invoker = inbox_->callback(delivery.callback);
    QDBusMessage answer;
    if (!invoker) {
        answer = delivery.call.createErrorReply(protocol::errorName(protocol::err::ObjectDisconnected),
                                                protocol::objectDisconnectedDescription());
    } else {
        try {
            WireReader in(delivery.arguments);
            invoker(in, *this);
            answer = delivery.call.createReply();
        } catch (const runtime::Error& error) {
            answer = delivery.call.createErrorReply(protocol::errorName(error.number()), error.description());
        } catch (...) {
            // Nothing a handler throws crosses into the event loop.
            answer = delivery.call.createErrorReply(protocol::errorName(cad::err::ExceptionOccurred),
                                                    cad::hostDescription(cad::err::ExceptionOccurred));
        }
    }
    connection_.send(answer);
}

void ClientLink::proxyGone(quint64 handle, const ProxyBase* proxy, quint64 references) noexcept
{
    try {
        const auto found = proxies_.find(handle);
        if (found != proxies_.end() && found->proxy == proxy)
            proxies_.erase(found);
        if (!isConnected())
            return;
        QDBusMessage release = QDBusMessage::createMethodCall(QString(), protocol::objectPath(handle),
                                                              protocol::HandleInterface, protocol::ReleaseMember);
        WireWriter out;
        out.tag(tag::Int);
        out.int32(static_cast<int32_t>(std::min<quint64>(references, std::numeric_limits<int32_t>::max())));
        release << out.take();
        connection_.send(release);
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
    const quint64 id = inbox_->addCallback(std::move(invoker));
    out.tag(tag::Callback);
    out.uint64(id);
}

std::shared_ptr<RemoteCallback> ClientLink::readCallback(WireReader&)
{
    WireReader::mismatch(QStringLiteral("the host hands no handlers to tools"));
}

}  // namespace remote
