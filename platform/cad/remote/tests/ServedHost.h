#pragma once
// A stand-in host served from a thread of its own with its own event loop, as
// the host program serves one: drive C: and the socket in a temporary folder,
// one drawing open, a scripted user. Tests reach the host's state only
// through inHost(), which runs on the host's thread.

#include "platform/cad/remote/HostServer.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/ScriptedUser.h"
#include "platform/files/FileSystem.h"

#include <QMutex>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

namespace remote_test {

class ServedHost {
public:
    ServedHost();
    ~ServedHost();
    ServedHost(const ServedHost&) = delete;
    ServedHost& operator=(const ServedHost&) = delete;

    const QString& socketPath() const { return socketPath_; }

    // Runs on the host's thread and waits for it.
    template <class F>
    auto inHost(F function) -> decltype(function())
    {
        if constexpr (std::is_void_v<decltype(function())>) {
            run(function);
        } else {
            decltype(function()) result{};
            run([&] { result = function(); });
            return result;
        }
    }
    // Starts a command at the host without waiting: its subscribers are
    // called while the test's thread goes on.
    void startCommandLater(const QString& name);

    // Valid on the host's thread only.
    standin::Host& host() { return *host_; }
    standin::ScriptedUser& user() { return user_; }
    remote::HostServer& server() { return *server_; }

    int connectionCount();
    int handleCount();
    QStringList log() const;

private:
    void run(const std::function<void()>& function);

    QTemporaryDir temp_;
    QString socketPath_;
    QThread thread_;
    QObject* context_ = nullptr;
    std::unique_ptr<files::FileSystem> files_;
    standin::ScriptedUser user_;
    std::shared_ptr<standin::Host> host_;
    std::unique_ptr<remote::HostServer> server_;
    mutable QMutex logMutex_;
    QStringList log_;
};

// Lets the test's event loop run until `condition` holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000);

}  // namespace remote_test
