#pragma once
// Puts a libdbus connection's or server's sockets and timers on the event
// loop of the thread it is made on: a socket notifier for each watch libdbus
// asks for, a timer for each of its timeouts. After libdbus has handled one
// (read what came, written what waited, accepted a connection), `afterIo`
// runs, so the owner takes the messages that arrived. Owned by what it
// bridges, on that one thread.

#include <QObject>
#include <functional>
#include <unordered_map>

struct DBusConnection;
struct DBusServer;
struct DBusTimeout;
struct DBusWatch;
class QSocketNotifier;
class QTimer;

namespace remote {

class WatchBridge : public QObject {
public:
    explicit WatchBridge(std::function<void()> afterIo);
    ~WatchBridge() override;
    WatchBridge(const WatchBridge&) = delete;
    WatchBridge& operator=(const WatchBridge&) = delete;

    // False when libdbus had no memory for the watches it holds.
    bool attach(DBusConnection* connection);
    bool attach(DBusServer* server);
    // libdbus stops reporting here; the notifiers and timers go.
    void detach();

private:
    struct Watch {
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
    };

    static unsigned addWatch(DBusWatch* watch, void* data);
    static void removeWatch(DBusWatch* watch, void* data);
    static void toggleWatch(DBusWatch* watch, void* data);
    static unsigned addTimeout(DBusTimeout* timeout, void* data);
    static void removeTimeout(DBusTimeout* timeout, void* data);
    static void toggleTimeout(DBusTimeout* timeout, void* data);

    QSocketNotifier* notifier(DBusWatch* watch, int type, unsigned flag);
    void handle(DBusWatch* watch, unsigned flag);
    void handleTimeout(DBusTimeout* timeout);
    void done();

    std::function<void()> afterIo_;
    DBusConnection* connection_ = nullptr;
    DBusServer* server_ = nullptr;
    std::unordered_map<DBusWatch*, Watch> watches_;
    std::unordered_map<DBusTimeout*, QTimer*> timers_;
};

}  // namespace remote
