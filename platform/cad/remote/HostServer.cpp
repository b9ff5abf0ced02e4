#include "platform/cad/remote/HostServer.h"

#include "platform/cad/remote/PeerLink.h"
#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/ServerEndpoint.h"
#include "platform/cad/remote/SocketPath.h"
#include "platform/cad/remote/WatchBridge.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <algorithm>
#include <dbus/dbus.h>

Q_LOGGING_CATEGORY(lcHostServer, "tarvo.cad.remote", QtWarningMsg)

namespace remote {

namespace {
// A dropped connection is noticed by its signal; this is the sweep behind it.
constexpr int ReapIntervalMs = 1000;

// A listening host accepts the connection at once (no handshake is waited
// for, so a host on this very thread counts too); a socket left behind by a
// host that ended refuses it.
bool someoneAnswers(const QString& socketPath) { return PeerLink::connect(SocketPath::address(socketPath)) != nullptr; }
}  // namespace

HostServer::HostServer(std::shared_ptr<cad::Application> application, QObject* parent)
    : QObject(parent), application_(std::move(application)), eventTimeoutMs_(protocol::EventReplyTimeoutMs)
{
}

HostServer::~HostServer() { stop(); }

bool HostServer::start(const QString& socketPath)
{
    stop();
    const QString path = socketPath.isEmpty() ? SocketPath::resolve() : socketPath;
    QString problem;
    if (!SocketPath::prepareFolder(path, &problem)) {
        log(QStringLiteral("not listening: %1").arg(problem));
        return false;
    }
    if (QFileInfo::exists(path)) {
        if (someoneAnswers(path)) {
            log(QStringLiteral("not listening: a host already listens on %1").arg(path));
            return false;
        }
        // What a host that ended without cleaning up left behind.
        QFile::remove(path);
    }
    dbus_threads_init_default();
    DBusError error;
    dbus_error_init(&error);
    DBusServer* server = dbus_server_listen(SocketPath::address(path).toUtf8().constData(), &error);
    if (!server) {
        log(QStringLiteral("not listening on %1: %2").arg(path, QString::fromUtf8(error.message)));
        dbus_error_free(&error);
        return false;
    }
    // Tools prove who they are by the socket's own credentials; each
    // connection then lets in only the user the host runs as.
    const char* mechanisms[] = {"EXTERNAL", nullptr};
    auto bridge = std::make_unique<WatchBridge>(nullptr);
    if (!dbus_server_set_auth_mechanisms(server, mechanisms) || !bridge->attach(server)) {
        log(QStringLiteral("not listening on %1: out of memory").arg(path));
        bridge.reset();
        dbus_server_disconnect(server);
        dbus_server_unref(server);
        return false;
    }
    dbus_server_set_new_connection_function(server, onNewConnection, this, nullptr);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    server_ = server;
    bridge_ = std::move(bridge);
    socketPath_ = path;
    reaper_ = new QTimer(this);
    connect(reaper_, &QTimer::timeout, this, &HostServer::reap);
    reaper_->start(ReapIntervalMs);
    log(QStringLiteral("listening on %1").arg(path));
    return true;
}

void HostServer::stop()
{
    const bool wasListening = server_ != nullptr;
    delete reaper_;
    reaper_ = nullptr;
    std::vector<ServerEndpoint*> endpoints = std::move(endpoints_);
    endpoints_.clear();
    for (ServerEndpoint* endpoint : endpoints) {
        endpoint->close();
        endpoint->deleteLater();
    }
    if (server_) {
        dbus_server_set_new_connection_function(server_, nullptr, nullptr, nullptr);
        dbus_server_disconnect(server_);
        bridge_.reset();
        dbus_server_unref(server_);
        server_ = nullptr;
    }
    if (wasListening) {
        QFile::remove(socketPath_);
        emit connectionCountChanged(0);
    }
}

bool HostServer::isListening() const { return server_ && dbus_server_get_is_connected(server_); }

int HostServer::connectionCount() const { return int(endpoints_.size()); }

int HostServer::handleCount() const
{
    int count = 0;
    for (const ServerEndpoint* endpoint : endpoints_)
        count += endpoint->handleCount();
    return count;
}

void HostServer::onNewConnection(DBusServer*, DBusConnection* connection, void* data)
{
    static_cast<HostServer*>(data)->accept(connection);
}

void HostServer::accept(DBusConnection* connection)
{
    const std::shared_ptr<PeerLink> link = PeerLink::accept(connection, QStringLiteral("connection %1").arg(++accepted_));
    link->setMaxMessageBytes(protocol::MaxMessageBytes);
    link->setLingerAfterAnswer(true);
    auto* endpoint =
        new ServerEndpoint(link, application_, [this](const QString& line) { log(line); }, eventTimeoutMs_, this);
    if (!link->attachToEventLoop()) {
        log(QStringLiteral("%1 refused: no event loop to serve it").arg(link->name()));
        delete endpoint;
        return;
    }
    endpoints_.push_back(endpoint);
    connect(endpoint, &ServerEndpoint::closed, this, &HostServer::reap);
    log(QStringLiteral("%1 opened").arg(link->name()));
    emit connectionCountChanged(connectionCount());
}

void HostServer::reap()
{
    const auto closed = std::stable_partition(endpoints_.begin(), endpoints_.end(),
                                              [](const ServerEndpoint* endpoint) { return endpoint->isOpen(); });
    if (closed == endpoints_.end())
        return;
    for (auto it = closed; it != endpoints_.end(); ++it) {
        (*it)->close();
        // Later: the endpoint may be inside a call that waits for a handler.
        (*it)->deleteLater();
    }
    endpoints_.erase(closed, endpoints_.end());
    emit connectionCountChanged(connectionCount());
}

void HostServer::log(const QString& line) const
{
    qCInfo(lcHostServer).noquote() << line;
    if (logHook_)
        logHook_(line);
}

}  // namespace remote
