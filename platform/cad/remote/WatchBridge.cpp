#include "platform/cad/remote/WatchBridge.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <dbus/dbus.h>

namespace remote {

WatchBridge::WatchBridge(std::function<void()> afterIo) : afterIo_(std::move(afterIo)) {}

WatchBridge::~WatchBridge() { detach(); }

bool WatchBridge::attach(DBusConnection* connection)
{
    detach();
    connection_ = connection;
    return dbus_connection_set_watch_functions(connection, addWatch, removeWatch, toggleWatch, this, nullptr) &&
           dbus_connection_set_timeout_functions(connection, addTimeout, removeTimeout, toggleTimeout, this, nullptr);
}

bool WatchBridge::attach(DBusServer* server)
{
    detach();
    server_ = server;
    return dbus_server_set_watch_functions(server, addWatch, removeWatch, toggleWatch, this, nullptr) &&
           dbus_server_set_timeout_functions(server, addTimeout, removeTimeout, toggleTimeout, this, nullptr);
}

void WatchBridge::detach()
{
    // Setting no functions has libdbus remove every watch and timeout first.
    if (connection_) {
        dbus_connection_set_watch_functions(connection_, nullptr, nullptr, nullptr, nullptr, nullptr);
        dbus_connection_set_timeout_functions(connection_, nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    if (server_) {
        dbus_server_set_watch_functions(server_, nullptr, nullptr, nullptr, nullptr, nullptr);
        dbus_server_set_timeout_functions(server_, nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    connection_ = nullptr;
    server_ = nullptr;
    for (auto& [watch, entry] : watches_) {
        delete entry.read;
        delete entry.write;
    }
    watches_.clear();
    for (auto& [timeout, timer] : timers_)
        delete timer;
    timers_.clear();
}

QSocketNotifier* WatchBridge::notifier(DBusWatch* watch, int type, unsigned flag)
{
    auto* notifier =
        new QSocketNotifier(qintptr(dbus_watch_get_unix_fd(watch)), QSocketNotifier::Type(type), this);
    notifier->setEnabled(false);
    connect(notifier, &QSocketNotifier::activated, notifier, [this, watch, flag] { handle(watch, flag); });
    return notifier;
}

unsigned WatchBridge::addWatch(DBusWatch* watch, void* data)
{
    auto* bridge = static_cast<WatchBridge*>(data);
    const unsigned flags = dbus_watch_get_flags(watch);
    Watch entry;
    if (flags & DBUS_WATCH_READABLE)
        entry.read = bridge->notifier(watch, QSocketNotifier::Read, DBUS_WATCH_READABLE);
    if (flags & DBUS_WATCH_WRITABLE)
        entry.write = bridge->notifier(watch, QSocketNotifier::Write, DBUS_WATCH_WRITABLE);
    bridge->watches_[watch] = entry;
    toggleWatch(watch, data);
    return TRUE;
}

void WatchBridge::removeWatch(DBusWatch* watch, void* data)
{
    auto* bridge = static_cast<WatchBridge*>(data);
    const auto found = bridge->watches_.find(watch);
    if (found == bridge->watches_.end())
        return;
    // Possibly from inside one of these notifiers' own signals: they end once
    // it has returned.
    for (QSocketNotifier* notifier : {found->second.read, found->second.write}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    bridge->watches_.erase(found);
}

void WatchBridge::toggleWatch(DBusWatch* watch, void* data)
{
    auto* bridge = static_cast<WatchBridge*>(data);
    const auto found = bridge->watches_.find(watch);
    if (found == bridge->watches_.end())
        return;
    const bool enabled = dbus_watch_get_enabled(watch);
    if (found->second.read)
        found->second.read->setEnabled(enabled);
    if (found->second.write)
        found->second.write->setEnabled(enabled);
}

unsigned WatchBridge::addTimeout(DBusTimeout* timeout, void* data)
{
    auto* bridge = static_cast<WatchBridge*>(data);
    auto* timer = new QTimer(bridge);
    connect(timer, &QTimer::timeout, bridge, [bridge, timeout] { bridge->handleTimeout(timeout); });
    bridge->timers_[timeout] = timer;
    toggleTimeout(timeout, data);
    return TRUE;
}

void WatchBridge::removeTimeout(DBusTimeout* timeout, void* data)
{
    auto* bridge = static_cast<WatchBridge*>(data);
    const auto found = bridge->timers_.find(timeout);
    if (found == bridge->timers_.end())
        return;
    found->second->stop();
    found->second->deleteLater();
    bridge->timers_.erase(found);
}

void WatchBridge::toggleTimeout(DBusTimeout* timeout, void* data)
{
    auto* bridge = static_cast<WatchBridge*>(data);
    const auto found = bridge->timers_.find(timeout);
    if (found == bridge->timers_.end())
        return;
    if (dbus_timeout_get_enabled(timeout))
        found->second->start(dbus_timeout_get_interval(timeout));
    else
        found->second->stop();
}

void WatchBridge::handle(DBusWatch* watch, unsigned flag)
{
    // Removed meanwhile (a queued activation of a notifier that has gone).
    if (watches_.find(watch) == watches_.end())
        return;
    QPointer<WatchBridge> alive(this);
    dbus_watch_handle(watch, flag);
    if (alive)
        done();
}

void WatchBridge::handleTimeout(DBusTimeout* timeout)
{
    if (timers_.find(timeout) == timers_.end())
        return;
    QPointer<WatchBridge> alive(this);
    dbus_timeout_handle(timeout);
    if (alive)
        done();
}

void WatchBridge::done()
{
    // A copy: what it runs may end this bridge.
    if (const std::function<void()> afterIo = afterIo_)
        afterIo();
}

}  // namespace remote
