#include "platform/cad/hostapp/HostProgram.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/hostapp/CommandLine.h"
#include "platform/cad/hostapp/ControlChannel.h"
#include "platform/cad/hostapp/DocumentActions.h"
#include "platform/cad/hostapp/HostCommands.h"
#include "platform/cad/hostapp/HostFolder.h"
#include "platform/cad/hostapp/HostWindow.h"
#include "platform/cad/hostapp/InteractiveUser.h"
#include "platform/cad/hostapp/PlotList.h"
#include "platform/cad/remote/HostServer.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/cad/standin/Host.h"
#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"

#include <cstdio>

namespace hostapp {

HostProgram::HostProgram(env::Environment& env, HostOptions options)
    : env_(env), options_(std::move(options)), host_(standin::Host::create(*env.files))
{
    folder_ = std::make_unique<HostFolder>(*env_.files, *env_.registry, *host_, options_.project);
    actions_ = std::make_unique<DocumentActions>(*host_, *env_.ui, folder_->folder());
    window_ = std::make_unique<HostWindow>(*host_, *actions_, *env_.dispatcher,
                                           env_.files->hostPath(folder_->plotFolder()), folder_->plotFolder(),
                                           *env_.shell);
    user_ = std::make_unique<InteractiveUser>(window_->commandLine(), [this] { return window_->activeView(); });
    commands_ = std::make_unique<HostCommands>(*host_, window_->commandLine(), *user_, *env_.files, *env_.dispatcher,
                                               folder_->folder());
    server_ = std::make_unique<remote::HostServer>(host_);

    standin::HostContext& context = host_->context();
    host_->setUser(user_.get());
    host_->journal().setLimit(JournalLimit);
    context.setCommandSink(commands_.get());
    context.setActionObserver([this] { window_->scheduleSync(); });
    user_->setQueuedInput([this] { return commands_->takeQueued(); });

    forms::Dispatcher& dispatcher = *env_.dispatcher;
    CommandLine& commandLine = window_->commandLine();
    connect(&commandLine, &CommandLine::lineEntered, commands_.get(),
            dispatcher.wrap(commands_.get(), &HostCommands::typed));
    connect(&commandLine, &CommandLine::escapePressed, commands_.get(),
            dispatcher.wrap(commands_.get(), &HostCommands::escape));
    window_->setExitHandler([this] { exitRequested(); });
    server_->setLogHook([](const QString& line) { std::fprintf(stderr, "cadhost: %s\n", qPrintable(line)); });
    installViewHooks();
}

HostProgram::~HostProgram()
{
    shutDown();
    standin::HostContext& context = host_->context();
    context.setActionObserver({});
    context.setCommandSink(nullptr);
    context.setPlotSink(nullptr);
    context.setThumbnailMaker(nullptr);
    host_->setUser(nullptr);
}

void HostProgram::installViewHooks()
{
    // Plot output a person can see (a PDF of each plot in the plot folder,
    // a window for each preview) and the preview image in the head of each
    // saved drawing come from the drawing view library.
    plots_ = std::make_unique<hostview::PlotOutput>(env_.files->hostPath(folder_->plotFolder()));
    thumbnails_ = std::make_unique<hostview::Thumbnailer>();
    standin::HostContext& context = host_->context();
    context.setPlotSink(plots_.get());
    context.setThumbnailMaker(thumbnails_.get());
}

bool HostProgram::start(QString* problem, const QString& socketPath)
{
    if (!folder_->exists(problem))
        return false;
    folder_->prepare();
    window_->plotList().refresh();
    folder_->openDrawings(options_.drawings);
    window_->syncDocuments();
    if (!server_->start(socketPath)) {
        *problem = QStringLiteral("no host started: another host already runs, or the socket cannot be made");
        return false;
    }
    return true;
}

void HostProgram::show()
{
    window_->show();
    window_->commandLine().setFocus();
    if (options_.controlStdin && !control_) {
        control_ = std::make_unique<ControlChannel>(window_->commandLine(), *env_.dispatcher,
                                                    [this] { exitRequested(); });
        control_->start();
    }
}

void HostProgram::exitRequested()
{
    // A prompt that waits ends first, so no tool waits on a host that asks.
    user_->cancelAll();
    if (!actions_->confirmEnd())
        return;
    shutDown();
    runtime::endProgram();
}

void HostProgram::shutDown()
{
    user_->cancelAll();
    server_->stop();
    host_->shutDown();
}

int HostProgram::ping()
{
    try {
        remote::RemoteHost().attach();
        return 0;
    } catch (const runtime::Error&) {
        return 1;
    }
}

}  // namespace hostapp
