#pragma once
// A tool's way to the host program: attach() connects to the host listening
// on the user's socket and answers its application (429 when none listens);
// start() starts the host program ("cadhost" beside the tool's own program,
// else on the PATH; both injectable), waits a bounded time for its socket,
// then attaches (429 when it cannot). install() registers both in a host
// registry, as the locator and the factory of the host's class name, so
// GetObject and CreateObject reach the host program. One connection serves
// all the tool's attaches while the tool holds anything of the host (the
// proxies keep it); after the host ended the next attach connects anew.

#include "platform/cad/HostRegistry.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace remote {

class ClientLink;

class RemoteHost {
public:
    struct Launch {
        // Empty: "cadhost" beside this program, else on the PATH.
        QString program;
        QStringList arguments;
        // How long the started host has to open its socket.
        int waitMs = 20000;
    };

    // Empty: SocketPath::resolve().
    explicit RemoteHost(const QString& socketPath = QString());
    ~RemoteHost();

    const QString& socketPath() const { return socketPath_; }
    void setLaunch(Launch launch) { launch_ = std::move(launch); }

    std::shared_ptr<cad::Application> attach();
    std::shared_ptr<cad::Application> start();

    static void install(cad::HostRegistry& registry, std::shared_ptr<RemoteHost> host);
    // The host program to start by default; empty when none is found.
    static QString findHostProgram();

private:
    std::shared_ptr<cad::Application> tryAttach();

    QString socketPath_;
    Launch launch_;
    std::weak_ptr<ClientLink> link_;
};

}  // namespace remote
