#pragma once
// The host program put together: the stand-in host (the one object model
// every tool drives), the person at it (InteractiveUser), its command
// processor, its working folder, its window, and the server through which
// every tool of the user's desktop reaches it. It ends when the person
// closes it and agrees to the save questions: then the server stops and the
// host shuts down, so whatever a tool still holds of it fails with "The RPC
// server is unavailable."

#include "platform/cad/hostapp/HostOptions.h"

#include "platform/cad/hostview/PlotOutput.h"
#include "platform/cad/hostview/Thumbnailer.h"

#include <QObject>
#include <memory>

namespace env {
struct Environment;
}
namespace remote {
class HostServer;
}
namespace standin {
class Host;
}

namespace hostapp {

class ControlChannel;
class DocumentActions;
class HostCommands;
class HostFolder;
class HostWindow;
class InteractiveUser;

class HostProgram : public QObject {
    Q_OBJECT

public:
    // How many journal lines a long-running host keeps.
    static constexpr int JournalLimit = 10000;

    HostProgram(env::Environment& env, HostOptions options);
    ~HostProgram() override;

    // Lays out the working folder, opens the drawings, and listens on the
    // socket (empty: the user's). False, with the reason, when the folder
    // cannot be used or another host already listens.
    bool start(QString* problem, const QString& socketPath = QString());
    // Shows the window, and starts the control channel when asked for.
    void show();
    // The save questions, then the end, unless the person cancels.
    void exitRequested();

    standin::Host& host() const { return *host_; }
    HostFolder& folder() const { return *folder_; }
    HostWindow& window() const { return *window_; }
    InteractiveUser& user() const { return *user_; }
    HostCommands& commands() const { return *commands_; }
    DocumentActions& actions() const { return *actions_; }
    remote::HostServer& server() const { return *server_; }

    // Whether a host listens on the user's socket: the exit code of
    // "cadhost --ping".
    static int ping();

private:
    void installViewHooks();
    void shutDown();

    env::Environment& env_;
    HostOptions options_;
    std::shared_ptr<standin::Host> host_;
    std::unique_ptr<HostFolder> folder_;
    std::unique_ptr<DocumentActions> actions_;
    std::unique_ptr<HostWindow> window_;
    std::unique_ptr<InteractiveUser> user_;
    std::unique_ptr<HostCommands> commands_;
    std::unique_ptr<remote::HostServer> server_;
    std::unique_ptr<ControlChannel> control_;
    std::unique_ptr<hostview::PlotOutput> plots_;
    std::unique_ptr<hostview::Thumbnailer> thumbnails_;
};

}  // namespace hostapp
