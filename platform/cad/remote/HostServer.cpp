#include "platform/cad/remote/HostServer.h"

#include "platform/cad/remote/Protocol.h"
#include "platform/cad/remote/ServerEndpoint.h"
#include "platform/cad/remote/SocketPath.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusServer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <QUuid>
#include <algorithm>

Q_LOGGING_CATEGORY(lcHostServer, "tarvo.cad.remote", QtWarningMsg)

namespace remote {

namespace {
// A dropped connection is noticed by its signal; this is the sweep behind it.
constexpr int ReapIntervalMs = 1000;

bool someoneAnswers(const QString& socketPath)
{
    const QString name = QStringLiteral("tarvo-probe-") + QUuid::createUuid().toString(QUuid::Id128);
    const bool answered = QDBusConnection::connectToPeer(SocketPath::address(socketPath), name).isConnected();
    QDBusConnection::disconnectFromPeer(name);
    return answered;
}
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
    auto* server = new QDBusServer(SocketPath::address(path), this);
    if (!server->isConnected()) {
        log(QStringLiteral("not listening on %1: %2").arg(path, server->lastError().message()));
        delete server;
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    server_ = server;
    socketPath_ = path;
    connect(server_, &QDBusServer::newConnection, this, &HostServer::accept);
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
    delete server_;
    server_ = nullptr;
    if (wasListening) {
        QFile::remove(socketPath_);
        emit connectionCountChanged(0);
    }
}

bool HostServer::isListening() const { return server_ && server_->isConnected(); }

int HostServer::connectionCount() const { return int(endpoints_.size()); }

int HostServer::handleCount() const
{
    int count = 0;
    for (const ServerEndpoint* endpoint : endpoints_)
        count += endpoint->handleCount();
    return count;
}

void HostServer::accept(const QDBusConnection& connection)
{
    auto* endpoint = new ServerEndpoint(connection, application_, [this](const QString& line) { log(line); },
                                        eventTimeoutMs_, this);
    endpoints_.push_back(endpoint);
    connect(endpoint, &ServerEndpoint::closed, this, &HostServer::reap);
    log(QStringLiteral("connection %1 opened").arg(connection.name()));
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
