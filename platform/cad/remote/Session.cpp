#include "platform/cad/remote/Session.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/Codec.h"
#include "platform/cad/remote/InterfaceInfo.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/Schema.h"
#include "platform/runtime/Error.h"

#include <exception>

namespace remote {

namespace {
[[noreturn]] void raiseNoMember(const QString& detail)
{
    runtime::raise(cad::err::MemberNotSupported,
                   cad::hostDescription(cad::err::MemberNotSupported) + QStringLiteral(": ") + detail);
}

[[noreturn]] void raiseDisconnected()
{
    runtime::raise(protocol::err::ObjectDisconnected, protocol::objectDisconnectedDescription());
}
}  // namespace

Session::Session(std::shared_ptr<cad::Application> application, CallbackFactory callbacks, Log log)
    : application_(std::move(application)), callbacks_(std::move(callbacks)), log_(std::move(log))
{
}

Session::~Session() { close(); }

Session::Answer Session::handle(const Request& request)
{
    Answer answer;
    try {
        return dispatch(request);
    } catch (const runtime::Error& error) {
        answer.number = error.number();
        answer.description = error.description();
    } catch (const std::exception& error) {
        // Whatever a host object throws, the host goes on.
        log_(QStringLiteral("%1.%2 on %3 failed: %4")
                 .arg(request.interface, request.member, request.path, QString::fromLocal8Bit(error.what())));
        answer.number = cad::err::ExceptionOccurred;
        answer.description = cad::hostDescription(cad::err::ExceptionOccurred);
    } catch (...) {
        log_(QStringLiteral("%1.%2 on %3 failed").arg(request.interface, request.member, request.path));
        answer.number = cad::err::ExceptionOccurred;
        answer.description = cad::hostDescription(cad::err::ExceptionOccurred);
    }
    answer.ok = false;
    return answer;
}

Session::Answer Session::dispatch(const Request& request)
{
    if (closed_)
        runtime::raise(cad::err::RpcServerUnavailable, cad::hostDescription(cad::err::RpcServerUnavailable));
    if (request.arguments.size() > protocol::MaxPayloadBytes) {
        log_(QStringLiteral("refused a call of %1 bytes to %2.%3 (the limit is %4)")
                 .arg(request.arguments.size())
                 .arg(request.interface, request.member)
                 .arg(protocol::MaxPayloadBytes));
        cad::raise(cad::err::InvalidArgument, QStringLiteral("the arguments exceed %1 bytes").arg(protocol::MaxPayloadBytes));
    }
    WireReader in(request.arguments);
    WireWriter out;
    if (request.path == protocol::HostPath) {
        if (request.member != protocol::ApplicationMember ||
            (!request.interface.isEmpty() && request.interface != protocol::HostInterface))
            raiseNoMember(request.member);
        in.expectEnd();
        Codec<std::shared_ptr<cad::Application>>::write(out, application_, *this);
        return {true, out.take(), 0, {}};
    }
    const std::optional<quint64> handle = protocol::handleOfPath(request.path);
    if (!handle) {
        log_(QStringLiteral("a call to %1, which is no object path").arg(request.path.left(100)));
        raiseDisconnected();
    }
    // A copy: a call that waits for a tool's event handler may see the handle
    // released meanwhile.
    const Entry entry = entryOf(*handle);
    const InterfaceInfo* declared =
        request.interface.isEmpty() ? entry.kind : Schema::instance().byWireName(request.interface);
    if (!declared)
        raiseNoMember(request.interface.left(100));
    const std::shared_ptr<void> object = entry.kind->upcast(entry.object, *declared);
    if (!object)
        raiseNoMember(declared->name() + QStringLiteral(" of ") + entry.kind->name());
    const MemberInfo* member = declared->member(request.member);
    if (!member)
        raiseNoMember(declared->name() + QLatin1Char('.') + request.member.left(100));
    member->serve(declared->upcast(object, member->owner()), in, out, *this);
    return {true, out.take(), 0, {}};
}

const Session::Entry& Session::entryOf(quint64 handle) const
{
    const auto found = entries_.constFind(handle);
    if (found == entries_.constEnd()) {
        log_(QStringLiteral("a call on handle %1, which this connection does not hold").arg(handle));
        raiseDisconnected();
    }
    return found.value();
}

void Session::release(const Request& request)
{
    const std::optional<quint64> handle = protocol::handleOfPath(request.path);
    int count = 0;
    try {
        WireReader in(request.arguments);
        count = std::get<0>(readArguments<int>(in, *this));
    } catch (const runtime::Error&) {
        count = 0;
    }
    const auto found = handle ? entries_.find(*handle) : entries_.end();
    if (found == entries_.end() || count <= 0) {
        log_(QStringLiteral("ignored a release of %1 (%2 references)").arg(request.path.left(100)).arg(count));
        return;
    }
    Entry& entry = found.value();
    if (quint64(count) < entry.handedOut) {
        entry.handedOut -= quint64(count);
        return;
    }
    // Dropped after the tables are consistent: the object's end may run host
    // code.
    const Entry gone = entry;
    handles_.erase({gone.kind->identity(gone.object), gone.kind});
    entries_.erase(found);
}

void Session::close()
{
    if (closed_)
        return;
    closed_ = true;
    std::vector<std::function<void()>> undo = std::move(undo_);
    undo_.clear();
    for (const auto& step : undo) {
        try {
            step();
        } catch (...) {
            // The host refused to undo (an ended subscription): nothing is
            // left to release.
        }
    }
    QHash<quint64, Entry> entries = std::move(entries_);
    entries_.clear();
    handles_.clear();
    entries.clear();
}

void Session::writeObject(WireWriter& out, const std::shared_ptr<void>& object, const InterfaceInfo& declared)
{
    if (closed_)
        runtime::raise(cad::err::RpcServerUnavailable, cad::hostDescription(cad::err::RpcServerUnavailable));
    const auto [kind, specific] = declared.mostSpecific(object);
    const std::pair<const void*, const InterfaceInfo*> key{kind->identity(specific), kind};
    quint64 handle = 0;
    const auto found = handles_.find(key);
    if (found != handles_.end()) {
        handle = found->second;
        ++entries_[handle].handedOut;
    } else {
        if (entries_.size() >= protocol::MaxHandlesPerConnection) {
            log_(QStringLiteral("a connection holds %1 objects; no more are handed out").arg(entries_.size()));
            cad::raise(cad::err::ExceptionOccurred, QStringLiteral("too many objects held"));
        }
        handle = nextHandle_++;
        entries_.insert(handle, Entry{specific, kind, 1});
        handles_.emplace(key, handle);
    }
    out.tag(tag::Object);
    out.uint64(handle);
    out.text(kind->name());
}

std::shared_ptr<void> Session::readObject(WireReader& in, const InterfaceInfo& expected)
{
    in.expectTag(tag::Object);
    const quint64 handle = in.uint64();
    in.text();  // the kind, which the host knows better
    const Entry& entry = entryOf(handle);
    std::shared_ptr<void> object = entry.kind->upcast(entry.object, expected);
    if (!object)
        WireReader::mismatch(QStringLiteral("%1 where %2 is wanted").arg(entry.kind->name(), expected.name()));
    return object;
}

void Session::writeCallback(WireWriter&, CallbackInvoker)
{
    WireReader::mismatch(QStringLiteral("the host hands no handlers to tools"));
}

std::shared_ptr<RemoteCallback> Session::readCallback(WireReader& in)
{
    in.expectTag(tag::Callback);
    const quint64 id = in.uint64();
    return callbacks_(id);
}

void Session::undoOnClose(std::function<void()> undo)
{
    if (closed_) {
        undo();
        return;
    }
    undo_.push_back(std::move(undo));
}

}  // namespace remote
