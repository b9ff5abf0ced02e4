#include "platform/cad/remote/PeerLink.h"

#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/WatchBridge.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <climits>
#include <dbus/dbus.h>
#include <unistd.h>

namespace remote {

namespace {
// How long a waiting end keeps looking at its socket before it sleeps.
// Waking a sleeping processor is most of a round trip's cost on some
// machines (on a virtual one some 25 us each way, measured), while most
// answers, and most next calls of a tool in a batch, come within this; past
// it the end sleeps as usual, so at most this much is spent per call.
constexpr qint64 SpinNs = 50000;

void initThreads()
{
    // The host serves on one thread while a tool in the same process (the
    // tests) calls from another; libdbus's global state needs its locks.
    static const bool initialised = dbus_threads_init_default();
    (void)initialised;
}

// The EXTERNAL handshake has told the peer's user; only the host's own may
// connect (libdbus by itself would also let root in).
dbus_bool_t sameUser(DBusConnection*, unsigned long uid, void*) { return uid == ::geteuid(); }
}  // namespace

struct PeerLink::Waiter {
    Message reply;
    bool done = false;
    QEventLoop* loop = nullptr;
};

// Marks the link busy taking messages; when the outermost use ends, what is
// still queued is left to the event loop.
class PeerLink::Busy {
public:
    explicit Busy(PeerLink& link) : link_(link) { ++link_.busy_; }
    ~Busy()
    {
        if (--link_.busy_ == 0)
            link_.afterUse();
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    PeerLink& link_;
};

std::shared_ptr<PeerLink> PeerLink::connect(const QString& address, QString* problem)
{
    initThreads();
    // Tools and a host's probe may connect from different threads.
    static std::atomic<int> opened{0};
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* connection = dbus_connection_open_private(address.toUtf8().constData(), &error);
    if (!connection) {
        if (problem)
            *problem = QString::fromUtf8(error.message);
        dbus_error_free(&error);
        return nullptr;
    }
    dbus_connection_set_exit_on_disconnect(connection, FALSE);
    return std::shared_ptr<PeerLink>(new PeerLink(connection, QStringLiteral("link %1").arg(++opened)));
}

std::shared_ptr<PeerLink> PeerLink::accept(DBusConnection* connection, QString name)
{
    initThreads();
    dbus_connection_ref(connection);
    dbus_connection_set_exit_on_disconnect(connection, FALSE);
    dbus_connection_set_allow_anonymous(connection, FALSE);
    dbus_connection_set_unix_user_function(connection, sameUser, nullptr, nullptr);
    return std::shared_ptr<PeerLink>(new PeerLink(connection, std::move(name)));
}

PeerLink::PeerLink(DBusConnection* connection, QString name) : connection_(connection), name_(std::move(name)) {}

PeerLink::~PeerLink()
{
    close();
    bridge_.reset();
    dbus_connection_unref(connection_);
}

void PeerLink::setHandlers(CallHandler onCall, ClosedHandler onClosed)
{
    onCall_ = std::move(onCall);
    onClosed_ = std::move(onClosed);
}

bool PeerLink::attachToEventLoop()
{
    if (closed_ || !QAbstractEventDispatcher::instance())
        return false;
    std::weak_ptr<PeerLink> weak = weak_from_this();
    bridge_ = std::make_unique<WatchBridge>([weak] {
        if (const std::shared_ptr<PeerLink> link = weak.lock())
            link->takeArrivals();
    });
    if (!bridge_->attach(connection_)) {
        bridge_.reset();
        return false;
    }
    afterUse();
    return true;
}

void PeerLink::setMaxMessageBytes(long bytes) { dbus_connection_set_max_message_size(connection_, bytes); }

bool PeerLink::isConnected() const { return !closed_ && dbus_connection_get_is_connected(connection_); }

bool PeerLink::send(const Message& message)
{
    if (closed_ || !message)
        return false;
    if (linger_ && !message.isMethodCall())
        answered_ = true;
    return dbus_connection_send(connection_, message.get(), nullptr);
}

Message PeerLink::call(const Message& message, int timeoutMs, Wait wait)
{
    if (closed_ || !message)
        return {};
    const std::shared_ptr<PeerLink> keep = shared_from_this();
    Busy busy(*this);
    dbus_uint32_t serial = 0;
    if (!dbus_connection_send(connection_, message.get(), &serial))
        return {};
    Waiter waiter;
    waiters_[serial] = &waiter;
    const QDeadlineTimer deadline = timeoutMs < 0 || timeoutMs >= protocol::UnboundedTimeoutMs
                                        ? QDeadlineTimer(QDeadlineTimer::Forever)
                                        : QDeadlineTimer(timeoutMs);
    if (wait == Wait::RunningEventLoop && bridge_ && QCoreApplication::instance()) {
        QEventLoop loop;
        waiter.loop = &loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        // What was read before the wait began is not announced again.
        takeArrivals();
        while (!waiter.done && !closed_) {
            // Set anew each round: the loop may also end early (another
            // waiter's answer, a timer firing a little before the deadline).
            if (!deadline.isForever()) {
                const qint64 left = deadline.remainingTime();
                if (left == 0)
                    break;
                timer.start(int(std::min<qint64>(left, INT_MAX)));
            }
            loop.exec();
        }
        waiter.loop = nullptr;
    } else {
        QElapsedTimer spinning;
        spinning.start();
        while (!waiter.done && !closed_) {
            if (DBusMessage* arrived = dbus_connection_pop_message(connection_)) {
                route(Message::adopt(arrived));
                continue;
            }
            if (!dbus_connection_get_is_connected(connection_)) {
                markClosed();
                break;
            }
            const qint64 left = deadline.remainingTime();
            if (left == 0)
                break;
            // Reads (and writes what waits) once; messages queue up for the
            // pop above. A moment without sleeping first.
            const bool spin = spinning.isValid() && spinning.nsecsElapsed() < SpinNs;
            if (!spin)
                spinning.invalidate();
            dbus_connection_read_write(connection_, spin ? 0 : left < 0 ? -1 : int(std::min<qint64>(left, INT_MAX)));
        }
    }
    waiters_.erase(serial);
    return std::move(waiter.reply);
}

void PeerLink::close()
{
    if (bridge_)
        bridge_->detach();
    // Harmless on a connection already closed; a private one must be closed
    // before its last reference goes.
    dbus_connection_close(connection_);
    closed_ = true;
    wakeWaiters();
}

void PeerLink::takeArrivals()
{
    const std::shared_ptr<PeerLink> keep = shared_from_this();
    Busy busy(*this);
    while (!closed_) {
        DBusMessage* arrived = dbus_connection_pop_message(connection_);
        if (!arrived)
            break;
        route(Message::adopt(arrived));
    }
}

void PeerLink::route(Message message)
{
    if (message.isReply() || message.isError()) {
        const auto found = waiters_.find(message.replySerial());
        // Otherwise the answer came after its caller gave up.
        if (found != waiters_.end()) {
            Waiter* waiter = found->second;
            waiter->reply = std::move(message);
            waiter->done = true;
            if (waiter->loop)
                waiter->loop->quit();
        }
        return;
    }
    if (message.isMethodCall()) {
        if (answerPeerInterface(message))
            return;
        // A copy: the handler may replace the handlers.
        if (const CallHandler handler = onCall_)
            handler(message);
        else if (message.wantsReply())
            send(Message::errorTo(message, QStringLiteral(DBUS_ERROR_UNKNOWN_METHOD), QStringLiteral("nothing here")));
        return;
    }
    if (message.isSignal(DBUS_INTERFACE_LOCAL, "Disconnected"))
        markClosed();
}

bool PeerLink::answerPeerInterface(const Message& call)
{
    // The ping every D-Bus peer answers, as libdbus's own dispatch would.
    if (!dbus_message_is_method_call(call.get(), DBUS_INTERFACE_PEER, "Ping"))
        return false;
    if (call.wantsReply())
        send(Message::replyTo(call));
    return true;
}

void PeerLink::markClosed()
{
    if (closed_)
        return;
    closed_ = true;
    if (bridge_)
        bridge_->detach();
    wakeWaiters();
    if (const ClosedHandler handler = onClosed_)
        handler();
}

void PeerLink::wakeWaiters()
{
    for (const auto& [serial, waiter] : waiters_) {
        if (waiter->loop)
            waiter->loop->quit();
    }
}

void PeerLink::afterUse()
{
    if (closed_ || !bridge_)
        return;
    std::weak_ptr<PeerLink> weak = weak_from_this();
    if (!scheduled_ && dbus_connection_get_dispatch_status(connection_) == DBUS_DISPATCH_DATA_REMAINS) {
        // Read already, so the socket will not tell again.
        scheduled_ = true;
        QMetaObject::invokeMethod(
            bridge_.get(),
            [weak] {
                if (const std::shared_ptr<PeerLink> link = weak.lock()) {
                    link->scheduled_ = false;
                    link->takeArrivals();
                }
            },
            Qt::QueuedConnection);
    } else if (answered_ && !lingerScheduled_) {
        // Through the event loop, so everything else it serves goes on.
        lingerScheduled_ = true;
        QMetaObject::invokeMethod(
            bridge_.get(),
            [weak] {
                if (const std::shared_ptr<PeerLink> link = weak.lock())
                    link->linger();
            },
            Qt::QueuedConnection);
    }
}

void PeerLink::linger()
{
    lingerScheduled_ = false;
    answered_ = false;
    QElapsedTimer spinning;
    spinning.start();
    while (!closed_) {
        // Taking what came answers it, and lingers anew. What the last look
        // read is taken too: the socket will not tell of it again.
        if (dbus_connection_get_dispatch_status(connection_) == DBUS_DISPATCH_DATA_REMAINS) {
            takeArrivals();
            return;
        }
        if (spinning.nsecsElapsed() >= SpinNs)
            return;
        // Once the connection dropped, its end is taken above.
        dbus_connection_read_write(connection_, 0);
    }
}

}  // namespace remote
