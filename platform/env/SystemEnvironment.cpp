#include "platform/env/SystemEnvironment.h"

#include "platform/cad/HostRegistry.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/FilesPathMapper.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/QtInteraction.h"
#include "platform/forms/SystemDesktop.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Program.h"
#include "platform/runtime/SingleInstance.h"
#include "platform/runtime/SystemClock.h"
#include "platform/settings/Registry.h"
#include "platform/settings/Store.h"
#include "platform/shell/ProgramIcons.h"
#include "platform/shell/SystemShell.h"

#include <QApplication>
#include <QFileInfo>

namespace env {

namespace {
runtime::Program makeProgram(const QString& title, int major, int minor, int revision)
{
    runtime::Program program;
    program.title = title;
    program.path = QCoreApplication::applicationDirPath();
    program.exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    program.major = major;
    program.minor = minor;
    program.revision = revision;
    return program;
}
}  // namespace

struct SystemEnvironment::Parts {
    Parts(int& argc, char** argv, const QString& title, int major, int minor, int revision)
        : app(argc, argv),
          program(makeProgram(title, major, minor, revision)),
          files(files::DriveTable::standard()),
          paths(files),
          ui(program.title, paths),
          dispatcher(ui),
          store(settings::Store::defaultPath()),
          registry(settings::Registry::defaultPath()),
          instances(runtime::SingleInstance::defaultFolder()),
          shell([this](const QString& path) { return files.hostPath(path); })
    {
        // A program ends through its own unload handlers only: its main window
        // hides during picks and batch runs, which must not end it.
        QApplication::setQuitOnLastWindowClosed(false);
        // Every program of the suite shows its own tile, which is also what
        // a button that starts it shows (see ProgramIcons).
        QApplication::setWindowIcon(shell::ProgramIcons::suiteIcon(program.exeName));
        // The host program stands in for the CAD program's executable, which
        // the programs start by the path it had on the original platform.
        shell.provideProgram(QStringLiteral("acad.exe"),
                             QCoreApplication::applicationDirPath() + QStringLiteral("/cadhost"));
        // GetObject finds the user's running host program, CreateObject
        // starts it.
        remote::RemoteHost::install(hosts, std::make_shared<remote::RemoteHost>());
        environment.program = &program;
        environment.clock = &clock;
        environment.settings = &store;
        environment.registry = &registry;
        environment.files = &files;
        environment.shell = &shell;
        environment.ui = &ui;
        environment.dispatcher = &dispatcher;
        environment.desktop = &desktop;
        environment.hosts = &hosts;
        environment.instances = &instances;
    }

    QApplication app;
    runtime::Program program;
    runtime::SystemClock clock;
    files::FileSystem files;
    forms::FilesPathMapper paths;
    forms::QtInteraction ui;
    forms::Dispatcher dispatcher;
    forms::SystemDesktop desktop;
    settings::Store store;
    settings::Registry registry;
    runtime::SingleInstance instances;
    shell::SystemShell shell;
    cad::HostRegistry hosts;
    Environment environment;
};

SystemEnvironment::SystemEnvironment(int& argc, char** argv, const QString& title, int major,
                                     int minor, int revision)
    : parts_(std::make_unique<Parts>(argc, argv, title, major, minor, revision))
{
    const QString damage = parts_->store.damageReport();
    if (!damage.isEmpty())
        parts_->ui.msgBox(damage, forms::msgbox::Exclamation);
}

SystemEnvironment::~SystemEnvironment() = default;

Environment& SystemEnvironment::env() { return parts_->environment; }

int SystemEnvironment::run(const std::function<void()>& start)
{
    parts_->dispatcher.run(start);
    if (parts_->dispatcher.ended())
        return parts_->dispatcher.exitCode();
    return parts_->app.exec();
}

}  // namespace env
