#pragma once
// A program environment for measuring: drive C in a temporary folder (or a
// given one), the real clock (so the run window is painted as in use),
// scripted boxes whose unexpected ones are printed, and a stand-in host
// registered as running, unless the measurement brings its own host.

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
#include <algorithm>
#include <memory>

namespace standin { class Host; }

namespace bench {

class BenchEnvironment {
public:
    struct Options {
        // Empty: drive C is a folder of the environment's own.
        QString driveC;
        // False: nothing is registered; the caller installs a host.
        bool inProcessHost = true;
        // False: waits of the program's own (Pollent's second purge) take no
        // time, so only the work is measured.
        bool realWaits = true;
    };

    BenchEnvironment() : BenchEnvironment(Options{}) {}
    explicit BenchEnvironment(const Options& options);
    ~BenchEnvironment();

    env::Environment& env() { return env_; }
    forms::ScriptedInteraction& ui() { return ui_; }
    files::FileSystem& files() { return *files_; }
    cad::HostRegistry& hosts() { return hosts_; }
    // Only with the in-process host.
    standin::Host& host() { return *host_; }
    const std::shared_ptr<standin::Host>& sharedHost() { return host_; }

private:
    // The real clock, but a wait of the program's own returns at once, the
    // clock moved on by the time it asked for.
    class NoWaitClock : public runtime::SystemClock {
    public:
        qint64 nowMs() override { return SystemClock::nowMs() + slept_; }
        void sleepMs(qint64 ms) override { slept_ += std::max<qint64>(ms, 0); }

    private:
        qint64 slept_ = 0;
    };

    QTemporaryDir temp_;
    runtime::Program program_;
    runtime::SystemClock clock_;
    NoWaitClock noWaitClock_;
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
