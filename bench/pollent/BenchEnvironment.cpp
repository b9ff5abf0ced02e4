#include "bench/pollent/BenchEnvironment.h"

#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"

#include <QDir>
#include <cstdio>

namespace bench {

BenchEnvironment::BenchEnvironment(const Options& options) : ui_(QStringLiteral("POLLEN~1")), dispatcher_(ui_)
{
    program_.title = QStringLiteral("POLLEN~1");
    program_.path = QStringLiteral("C:\\Program");
    program_.exeName = QStringLiteral("POLLEN~1.exe");

    const QString driveC = options.driveC.isEmpty() ? temp_.path() + QStringLiteral("/drives/c") : options.driveC;
    QDir(driveC).mkpath(QStringLiteral("Program"));
    files::DriveTable table;
    table.map(QStringLiteral("C"), driveC);
    files_ = std::make_unique<files::FileSystem>(table);
    store_ = std::make_unique<settings::Store>(temp_.path() + QStringLiteral("/settings.ini"));
    registry_ = std::make_unique<settings::Registry>(temp_.path() + QStringLiteral("/registry.ini"));
    shell_ = std::make_unique<shell::RecordingShell>(temp_.path() + QStringLiteral("/shell"));
    ui_.setFailureHandler([](const QString& message) {
        std::fprintf(stderr, "unexpected interaction: %s\n", qPrintable(message));
    });

    if (options.inProcessHost) {
        host_ = standin::Host::create(*files_);
        host_->addDocument();
        hosts_.registerRunning(cad::HostClassName, host_);
    }

    env_.program = &program_;
    env_.clock = options.realWaits ? static_cast<runtime::Clock*>(&clock_) : &noWaitClock_;
    env_.settings = store_.get();
    env_.registry = registry_.get();
    env_.files = files_.get();
    env_.shell = shell_.get();
    env_.ui = &ui_;
    env_.dispatcher = &dispatcher_;
    env_.hosts = &hosts_;
}

BenchEnvironment::~BenchEnvironment() = default;

}  // namespace bench
