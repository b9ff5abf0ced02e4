// Pollent's batch over 100 copies of the example drawings (archive, title
// block attribute update, bind, purge without its one-second wait), run as
// the user runs it, once against the host program in a process of its own
// (every call crossing the socket) and once against the stand-in host in the
// tool's own process; and the round trip of one call to the host program.
//
//   cadhost_bench [N]               the table: medians of several runs of each
//   cadhost_bench --in-process N    one batch against the in-process host
//   cadhost_bench --program N       one batch against a host program started for it
//   cadhost_bench --round-trip      one call's round trip, across and in process
//
// A batch prints "N wall-ms user-ms system-ms peak-kB" (the tool's process),
// against the host program also "host cpu-ms" (the host process's user and
// system time during the batch). TMPDIR=/dev/shm leaves the disk out of the
// figures.
#include "bench/pollent/BenchEnvironment.h"
#include "bench/pollent/PollentBatch.h"
#include "platform/cad/Application.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/cad/standin/Host.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using bench::BenchEnvironment;
using bench::PollentBatch;

PollentBatch::Operations everyOperation()
{
    PollentBatch::Operations operations;
    operations.purge = true;
    return operations;
}

// The host program on a drive C of its own, driven by nobody: it serves.
class HostProgram {
public:
    HostProgram()
    {
        QDir(temp_.path()).mkpath(QStringLiteral("data/tarvo/drives/c"));
        QDir(temp_.path()).mkpath(QStringLiteral("config"));
        QDir(temp_.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(temp_.path() + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), temp_.path() + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp_.path() + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), temp_.path() + QStringLiteral("/run"));
        environment.insert(QStringLiteral("TARVO_CAD_SOCKET"), socket());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("TARVO_CAD_PROJECT"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(CADHOST_PROGRAM), {QStringLiteral("--control-stdin")});
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
            if (process_.waitForReadyRead(100) && process_.readLine().trimmed() == "ready") {
                ready_ = true;
                break;
            }
        }
    }
    ~HostProgram()
    {
        process_.kill();
        process_.waitForFinished(10000);
    }

    bool ready() const { return ready_; }
    // User and system time the host process has taken so far.
    double cpuMs() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process_.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return 0.0;
        // The fields after the command's closing parenthesis; utime and
        // stime are the 12th and 13th of them, in clock ticks.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            return 0.0;
        return (fields[11].toDouble() + fields[12].toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
    }
    QString socket() const { return temp_.path() + QStringLiteral("/cad-host"); }
    QString driveC() const { return temp_.path() + QStringLiteral("/data/tarvo/drives/c"); }

private:
    QTemporaryDir temp_;
    QProcess process_;
    bool ready_ = false;
};

int inProcess(int count)
{
    BenchEnvironment::Options options;
    options.realWaits = false;
    BenchEnvironment bench(options);
    return PollentBatch::run(bench, PollentBatch::makeCopies(bench.files(), count), everyOperation());
}

int program(int count)
{
    HostProgram host;
    if (!host.ready()) {
        std::fprintf(stderr, "the host program did not start\n");
        return 1;
    }
    BenchEnvironment::Options options;
    options.driveC = host.driveC();
    options.inProcessHost = false;
    options.realWaits = false;
    BenchEnvironment bench(options);
    remote::RemoteHost::install(bench.hosts(), std::make_shared<remote::RemoteHost>(host.socket()));
    const QStringList paths = PollentBatch::makeCopies(bench.files(), count);
    const double hostBefore = host.cpuMs();
    const int result = PollentBatch::run(bench, paths, everyOperation());
    std::printf("host %.0f\n", host.cpuMs() - hostBefore);
    return result;
}

// Microseconds per call of a layer's colour: one handle, no arguments, an
// integer back. The median of the calls.
double roundTripUs(const std::shared_ptr<cad::Application>& application, int calls)
{
    const auto layer = application->activeDocument()->layers()->item(QStringLiteral("0"));
    std::vector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < calls; ++i) {
        timer.start();
        layer->color();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times[times.size() / 2]) / 1000.0;
}

int roundTrip()
{
    HostProgram host;
    if (!host.ready())
        return 1;
    const auto across = remote::RemoteHost(host.socket()).attach();
    BenchEnvironment bench;
    const double remoteUs = roundTripUs(across, 20000);
    const double localUs = roundTripUs(bench.sharedHost(), 20000);
    std::printf("%.2f %.3f\n", remoteUs, localUs);
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

QStringList child(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), arguments);
    process.waitForFinished(-1);
    if (process.exitCode() != 0)
        return {};
    return QString::fromLatin1(process.readAllStandardOutput()).simplified().split(u' ');
}

int table(int count)
{
    constexpr int Runs = 5;
    std::vector<double> localWall, localCpu, remoteWall, remoteCpu, hostCpu;
    // Alternating, so a busy moment of the machine falls on both.
    for (int r = 0; r < Runs; ++r) {
        for (const bool remote : {false, true}) {
            const QStringList fields =
                child({remote ? QStringLiteral("--program") : QStringLiteral("--in-process"), QString::number(count)});
            if (fields.size() != (remote ? 7 : 5)) {
                std::fprintf(stderr, "a run failed\n");
                return 1;
            }
            if (remote)
                hostCpu.push_back(fields[6].toDouble());
            (remote ? remoteWall : localWall).push_back(fields[1].toDouble());
            (remote ? remoteCpu : localCpu).push_back(fields[2].toDouble() + fields[3].toDouble());
        }
    }
    const QStringList trip = child({QStringLiteral("--round-trip")});
    const double inWall = median(localWall), outWall = median(remoteWall);
    std::printf("Pollent batch over %d example drawings (archive, attribute update, bind, purge without\n"
                "its wait), medians of %d runs each, milliseconds for the whole batch:\n\n",
                count, Runs);
    std::printf("%-28s %10s %14s %14s\n", "host", "wall", "tool cpu", "host cpu");
    std::printf("%-28s %10.0f %14.0f %14s\n", "in the tool's process", inWall, median(localCpu), "-");
    std::printf("%-28s %10.0f %14.0f %14.0f\n", "host program (cadhost)", outWall, median(remoteCpu),
                median(hostCpu));
    std::printf("\nratio, host program / in process: %.2f\n", inWall > 0 ? outWall / inWall : 0.0);
    if (trip.size() == 2)
        std::printf("one call's round trip (median of 20000): %s us across processes, %s us in process\n",
                    qPrintable(trip[0]), qPrintable(trip[1]));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--in-process"))
        return inProcess(args[2].toInt());
    if (args.size() == 3 && args[1] == QStringLiteral("--program"))
        return program(args[2].toInt());
    if (args.size() == 2 && args[1] == QStringLiteral("--round-trip"))
        return roundTrip();
    return table(args.size() == 2 ? std::max(1, args[1].toInt()) : 100);
}
