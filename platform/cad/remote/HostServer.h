#pragma once
// The serving side the host program embeds: listens on the user's socket,
// gives each tool that connects its own endpoint (handles, dispatch,
// subscriptions), and lets go of all a tool held when its connection drops.
// All calls into the application run on the thread this object lives in.
// Malformed calls are answered with an error and written to the log (the
// "tarvo.cad.remote" category, and the hook when one is set).

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QTimer;
struct DBusConnection;
struct DBusServer;

namespace cad {
class Application;
}

namespace remote {

class ServerEndpoint;
class WatchBridge;

class HostServer : public QObject {
    Q_OBJECT

public:
    using LogHook = std::function<void(const QString&)>;

    explicit HostServer(std::shared_ptr<cad::Application> application, QObject* parent = nullptr);
    ~HostServer() override;

    // Listens on the socket (empty: SocketPath::resolve()). False, with a log
    // line, when the folder is unsafe, another host already listens there, or
    // the socket cannot be made. A socket file nobody answers on is replaced.
    bool start(const QString& socketPath = QString());
    // Stops listening and drops every connection.
    void stop();

    bool isListening() const;
    const QString& socketPath() const { return socketPath_; }
    int connectionCount() const;
    // Live handles over all connections.
    int handleCount() const;

    void setLogHook(LogHook hook) { logHook_ = std::move(hook); }
    // How long the host waits for a tool's event handler.
    void setEventTimeout(int milliseconds) { eventTimeoutMs_ = milliseconds; }

signals:
    void connectionCountChanged(int count);

private:
    static void onNewConnection(DBusServer* server, DBusConnection* connection, void* data);
    void accept(DBusConnection* connection);
    void reap();
    void log(const QString& line) const;

    std::shared_ptr<cad::Application> application_;
    DBusServer* server_ = nullptr;
    std::unique_ptr<WatchBridge> bridge_;
    QTimer* reaper_ = nullptr;
    quint64 accepted_ = 0;
    std::vector<ServerEndpoint*> endpoints_;
    QString socketPath_;
    LogHook logHook_;
    int eventTimeoutMs_;
};

}  // namespace remote
