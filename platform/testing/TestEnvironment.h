#pragma once
// A fresh environment for one test: scripted boxes and dialogs whose surprises
// fail the test, a manual clock, a recording shell, a settings store and drive
// C: in a temporary folder, a desktop whose pointer and screen the test sets,
// an empty running-host table, and on request a
// stand-in host with a scripted user registered as the running CAD host.

#include "platform/cad/HostRegistry.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/ScriptedUser.h"
#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/ManualDesktop.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/ManualClock.h"
#include "platform/runtime/Program.h"
#include "platform/runtime/SingleInstance.h"
#include "platform/settings/Registry.h"
#include "platform/settings/Store.h"
#include "platform/shell/RecordingShell.h"

#include <QTemporaryDir>
#include <memory>

namespace testing_env {

class TestEnvironment {
public:
    explicit TestEnvironment(const QString& programTitle = QStringLiteral("Test"));
    ~TestEnvironment();

    env::Environment& env() { return env_; }
    forms::ScriptedInteraction& ui() { return ui_; }
    forms::Dispatcher& dispatcher() { return dispatcher_; }
    forms::ManualDesktop& desktop() { return desktop_; }
    runtime::ManualClock& clock() { return clock_; }
    runtime::Program& program() { return program_; }
    shell::RecordingShell& shell() { return *shell_; }
    settings::Store& settings() { return *store_; }
    settings::Registry& registry() { return registry_; }
    files::FileSystem& files() { return *files_; }
    cad::HostRegistry& hosts() { return hosts_; }
    // The test's own lock folder: a copy of a program "running elsewhere" is
    // another SingleInstance on instanceFolder().
    runtime::SingleInstance& instances() { return *instances_; }
    QString instanceFolder() const;
    standin::ScriptedUser& user() { return user_; }

    // The host folder behind a drive letter, mapping the drive on first use.
    QString drive(const QString& letter);

    // A stand-in host registered as the running CAD host, with "acad.lin" on
    // its support path (C:\Support) and its release and dialog keys in the
    // registry. Created on first call, and on the first call after the host
    // was stopped.
    const std::shared_ptr<standin::Host>& startHost();
    const std::shared_ptr<standin::Host>& host() const { return host_; }
    // The host is closed: it leaves the running-host table, and whatever a
    // tool still holds of it fails with RpcServerUnavailable.
    void stopHost();

private:
    QTemporaryDir temp_;
    runtime::Program program_;
    runtime::ManualClock clock_;
    forms::ScriptedInteraction ui_;
    forms::Dispatcher dispatcher_;
    forms::ManualDesktop desktop_;
    std::unique_ptr<files::FileSystem> files_;
    std::unique_ptr<settings::Store> store_;
    settings::Registry registry_;
    std::unique_ptr<runtime::SingleInstance> instances_;
    std::unique_ptr<shell::RecordingShell> shell_;
    cad::HostRegistry hosts_;
    standin::ScriptedUser user_;
    std::shared_ptr<standin::Host> host_;
    env::Environment env_;
};

}  // namespace testing_env
