#pragma once
// A program environment for measuring: drive C in a temporary folder, the real
// clock (so the run window is painted as in use), scripted boxes whose
// unexpected ones are printed, and a stand-in host registered as running.

#include "platform/cad/HostRegistry.h"
#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/Program.h"
#include "platform/runtime/SystemClock.h"
#include "platform/settings/Registry.h"
#include "platform/settings/Store.h"
#include "platform/shell/RecordingShell.h"

#include <QTemporaryDir>
#include <memory>

namespace standin { class Host; }

namespace bench {

class BenchEnvironment {
public:
    BenchEnvironment();
    ~BenchEnvironment();

    env::Environment& env() { return env_; }
    forms::ScriptedInteraction& ui() { return ui_; }
    files::FileSystem& files() { return *files_; }
    standin::Host& host() { return *host_; }
    const std::shared_ptr<standin::Host>& sharedHost() { return host_; }

private:
    QTemporaryDir temp_;
    runtime::Program program_;
    runtime::SystemClock clock_;
    forms::ScriptedInteraction ui_;
    forms::Dispatcher dispatcher_;
    std::unique_ptr<files::FileSystem> files_;
    std::unique_ptr<settings::Store> store_;
    std::unique_ptr<settings::Registry> registry_;
    std::unique_ptr<shell::RecordingShell> shell_;
    cad::HostRegistry hosts_;
    std::shared_ptr<standin::Host> host_;
    env::Environment env_;
};

}  // namespace bench
