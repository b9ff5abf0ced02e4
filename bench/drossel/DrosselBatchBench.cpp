// Drossel's batch plot over N = 10, 100 and 1000 copies of the example
// drawings, each batch run as the user runs it: the program started on the
// open drawing, the drawings listed, a paper button pressed with "Batch Plot"
// ticked, the cancel window shown and repainted while the batch lets events
// through. Printed per N: milliseconds per drawing (the median of several
// batches), its ratio to the floor (the host's own open and save of one
// drawing), the host's own open and save of the same N drawings per drawing
// (what the file system adds as the folder grows), the processor time of the
// batch per drawing (user and system; steadier than the clock on a busy
// machine), one repaint of the main window with the N drawings listed, and
// the process's peak memory so far. A message box during a run is a fault of the benchmark: it
// stops with the box's text.

#include "batch/drossel/DrosselSettings.h"
#include "batch/drossel/FrmAplot.h"
#include "batch/drossel/MuduleAplot.h"
#include "examples/ExampleProject.h"
#include "platform/cad/HostRegistry.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/env/Environment.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/Program.h"
#include "platform/runtime/SystemClock.h"
#include "platform/settings/Registry.h"
#include "platform/settings/Store.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

namespace {

const QString Project = QStringLiteral("C:\\Pollent");
const QString Laser = QStringLiteral("Office Laser.pc3");
const QString Letter = QStringLiteral("Letter_(8.50_x_11.00_Inches)");
constexpr int FloorRounds = 200;

// The process's peak resident memory in megabytes, as the kernel counts it.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// A program environment in a temporary folder: drive C:, the settings store,
// the real clock (a batch's events are really processed), boxes that stop the
// benchmark, and the stand-in host registered as running.
class BenchEnvironment {
public:
    BenchEnvironment() : dispatcher_(ui_)
    {
        QDir(temp_.path()).mkpath(QStringLiteral("drives/c"));
        files::DriveTable drives;
        drives.map(QStringLiteral("C"), temp_.path() + QStringLiteral("/drives/c"));
        files_ = std::make_unique<files::FileSystem>(drives);
        store_ = std::make_unique<settings::Store>(temp_.path() + QStringLiteral("/settings.ini"));
        program_.title = QStringLiteral("DROSSEL");
        ui_.setFailureHandler([](const QString& message) {
            std::fprintf(stderr, "drossel_batch: unexpected: %s\n", qPrintable(message));
            std::exit(1);
        });
        host_ = standin::Host::create(*files_);
        hosts_.registerRunning(cad::HostClassName, host_);
        env_.program = &program_;
        env_.clock = &clock_;
        env_.settings = store_.get();
        env_.registry = &registry_;
        env_.files = files_.get();
        env_.ui = &ui_;
        env_.dispatcher = &dispatcher_;
        env_.hosts = &hosts_;
    }

    env::Environment& env() { return env_; }
    files::FileSystem& files() { return *files_; }
    settings::Store& store() { return *store_; }
    standin::Host& host() { return *host_; }

private:
    QTemporaryDir temp_;
    runtime::Program program_;
    runtime::SystemClock clock_;
    forms::ScriptedInteraction ui_{QStringLiteral("DROSSEL")};
    forms::Dispatcher dispatcher_;
    std::unique_ptr<files::FileSystem> files_;
    std::unique_ptr<settings::Store> store_;
    settings::Registry registry_;
    cad::HostRegistry hosts_;
    std::shared_ptr<standin::Host> host_;
    env::Environment env_;
};

// N drawings in a folder of their own, the example sheets over and over.
QStringList copies(files::FileSystem& files, int n)
{
    const QString folder = QStringLiteral("C:\\Batch%1").arg(n);
    files.makeFolder(folder);
    const QStringList sheets = examples::ExampleProject::sheets();
    QStringList paths;
    for (int i = 0; i < n; ++i) {
        const QString sheet = sheets[i % sheets.size()];
        const QString path = QStringLiteral("%1\\%2-%3").arg(folder).arg(i, 4, 10, QLatin1Char('0')).arg(sheet);
        files.copyFile(Project + QLatin1Char('\\') + sheet, path);
        paths.append(path);
    }
    return paths;
}

// The host's own open and save of each drawing in turn, in single-document
// mode, as a batch opens them: what any batch tool costs at the least.
double hostOpenAndSaveMs(BenchEnvironment& bench, const QStringList& drawings)
{
    std::shared_ptr<cad::Document> open = bench.host().openDocument(Project + QStringLiteral("\\A101.dwg"));
    open->setVariable(QStringLiteral("SDI"), 1);
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : drawings) {
        open = open->open(path);
        open->save();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    open->setVariable(QStringLiteral("SDI"), 0);
    bench.host().closeDocument(std::dynamic_pointer_cast<standin::Document>(open));
    return ms;
}

// The host's own open and save of one drawing, in milliseconds.
double floorMs(BenchEnvironment& bench)
{
    QStringList same;
    for (int round = 0; round < FloorRounds; ++round)
        same.append(Project + QStringLiteral("\\A102.dwg"));
    return hostOpenAndSaveMs(bench, same) / FloorRounds;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The processor time the process has used, user and system, in milliseconds.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
    // One repaint of the main window at its full height, the list showing.
    double paintMs = 0;
};

constexpr int PaintRounds = 20;

// One batch as the user runs it; the time of the batch alone.
Timing batchTime(BenchEnvironment& bench, const QStringList& drawings)
{
    standin::Host& host = bench.host();
    host.openDocument(Project + QStringLiteral("\\A101.dwg"));
    drossel::MuduleAplot module(bench.env());
    drossel::FrmAplot form(module);
    forms::Dispatcher& dispatcher = *bench.env().dispatcher;
    dispatcher.run([&] { form.show(); });
    for (const QString& path : drawings)
        form.Batchlist1sub(path);
    form.findChild<QCheckBox*>(QStringLiteral("ChkBatch"))->setChecked(true);
    dispatcher.run([&] { form.CmdMore_Click(); });
    QApplication::processEvents();
    QElapsedTimer painting;
    painting.start();
    for (int round = 0; round < PaintRounds; ++round)
        form.repaint();
    const double paintMs = double(painting.nsecsElapsed()) / 1e6 / PaintRounds;

    QElapsedTimer timer;
    const double cpuBefore = cpuMs();
    timer.start();
    dispatcher.run([&] { form.CmdPrinter_MouseDown(0, Qt::LeftButton); });
    const Timing timing{double(timer.nsecsElapsed()) / 1e6, cpuMs() - cpuBefore, paintMs};

    if (host.plotJobs().empty() || host.plotJobs().back().drawing != drawings.last()) {
        std::fprintf(stderr, "drossel_batch: the batch did not plot its last drawing\n");
        std::exit(1);
    }
    form.hide();
    // What the stand-in keeps of a batch for tests is not Drossel's memory.
    host.journal().clear();
    host.context().plotJobs().clear();
    const auto open = host.documentList();
    for (const auto& document : open)
        host.closeDocument(document);
    return timing;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchEnvironment bench;
    examples::ExampleProject(bench.files(), Project).write();
    const auto save = [&](const QString& key, const QString& value) {
        bench.store().save(drossel::DrosselSettings::Application, drossel::DrosselSettings::Section, key, value);
    };
    save(drossel::DrosselSettings::plotterKey(QStringLiteral("Img85x11")), Laser);
    save(drossel::DrosselSettings::mediaKey(QStringLiteral("Img85x11")), Letter);
    save(drossel::DrosselSettings::OnTop, drossel::DrosselSettings::False);

    const double floor = floorMs(bench);
    std::printf("Drossel batch plot (Release), example drawings copied N times\n");
    std::printf("floor: the host's open and save of one drawing: %.3f ms\n", floor);
    std::printf("%6s %8s %11s %8s %9s %8s %9s %8s\n", "N", "batches", "ms/drawing", "x floor", "host ms", "cpu ms",
                "paint ms", "peak MB");
    for (const int n : {10, 100, 1000}) {
        const QStringList drawings = copies(bench.files(), n);
        // Enough batches for a thousand drawings at least, and the median
        // batch, so one slow moment of a shared machine does not count.
        const int batches = std::max(3, 1000 / n);
        std::vector<double> wall;
        std::vector<double> cpu;
        std::vector<double> host;
        std::vector<double> paint;
        for (int batch = 0; batch < batches; ++batch) {
            const Timing timing = batchTime(bench, drawings);
            wall.push_back(timing.wallMs / n);
            cpu.push_back(timing.cpuMs / n);
            paint.push_back(timing.paintMs);
            host.push_back(hostOpenAndSaveMs(bench, drawings) / n);
        }
        const double ms = median(wall);
        std::printf("%6d %8d %11.3f %8.2f %9.3f %8.3f %9.3f %8.1f\n", n, batches, ms, ms / floor, median(host),
                    median(cpu), median(paint), peakMegabytes());
        std::fflush(stdout);
    }
    return 0;
}
