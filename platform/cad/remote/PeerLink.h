#pragma once
// One end of a peer-to-peer D-Bus connection over libdbus: sends messages,
// sends a call and waits for its answer, and hands every method call that
// arrives to its owner, also while it waits, since the other end may call
// this one before it answers (the host calls a tool's handler while the tool
// waits on the command it started). Messages are taken off libdbus's queue
// here, never dispatched through libdbus, so a handler may call and wait in
// turn at any depth. Used from the one thread it was made on.
//
// Idle arrivals come through that thread's event loop once the link is
// attached to it. A tool waits on the socket alone; the host waits running
// its event loop, so every other tool is served meanwhile.

#include "platform/cad/remote/Message.h"

#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

struct DBusConnection;

namespace remote {

class WatchBridge;

class PeerLink : public std::enable_shared_from_this<PeerLink> {
public:
    using CallHandler = std::function<void(const Message& call)>;
    using ClosedHandler = std::function<void()>;

    enum class Wait {
        // Blocks on this connection's socket; only its own calls are served.
        OnSocket,
        // Runs the thread's event loop until the answer comes.
        RunningEventLoop,
    };

    // A tool's end: connects to the host's socket (the EXTERNAL handshake
    // follows with the first call). Null, with the reason, when nobody
    // listens there.
    static std::shared_ptr<PeerLink> connect(const QString& address, QString* problem = nullptr);
    // The host's end of a connection its server accepted (the link takes its
    // own reference). Only the user the host runs as passes the handshake.
    static std::shared_ptr<PeerLink> accept(DBusConnection* connection, QString name);

    ~PeerLink();
    PeerLink(const PeerLink&) = delete;
    PeerLink& operator=(const PeerLink&) = delete;

    const QString& name() const { return name_; }
    void setHandlers(CallHandler onCall, ClosedHandler onClosed);
    // Hears idle arrivals through this thread's event loop; false when the
    // thread has none.
    bool attachToEventLoop();
    // Messages larger than this end the connection (libdbus refuses them).
    void setMaxMessageBytes(long bytes);
    // After answering calls, keeps looking at the socket a moment for the
    // next one before the event loop sleeps (the host's ends do).
    void setLingerAfterAnswer(bool linger) { linger_ = linger; }

    bool isConnected() const;
    // Queues the message (written at once when the socket takes it); false
    // when the link is closed.
    bool send(const Message& message);
    // Sends `call` and waits at most `timeoutMs` (protocol's unbounded value:
    // no limit) for its answer, a reply or an error. Null when none came in
    // time or the connection dropped.
    Message call(const Message& call, int timeoutMs, Wait wait);
    // Drops the connection; calls waiting on it return null.
    void close();

private:
    struct Waiter;
    class Busy;

    PeerLink(DBusConnection* connection, QString name);
    void takeArrivals();
    void route(Message message);
    void markClosed();
    void wakeWaiters();
    void afterUse();
    void linger();
    bool answerPeerInterface(const Message& call);

    DBusConnection* connection_;
    QString name_;
    std::unique_ptr<WatchBridge> bridge_;
    CallHandler onCall_;
    ClosedHandler onClosed_;
    std::unordered_map<quint32, Waiter*> waiters_;
    int busy_ = 0;
    bool scheduled_ = false;
    bool closed_ = false;
    bool linger_ = false;
    bool answered_ = false;
    bool lingerScheduled_ = false;
};

}  // namespace remote
