// Pollent's batch cost as the list grows (./scripts/bench.sh pollent_bench).
// Each measurement runs in a process of its own, so that its peak memory is its
// own:
//
//   pollent_bench                 the table: N = 10, 100, 1000, each against its floors
//   pollent_bench --batch N       one run over N copies; prints
//                                 "N wall-ms user-ms system-ms peak-kB"
//   pollent_bench --floor N       the same for the host's open and save of N copies
//   pollent_bench --same-work N   the same for the host making the batch's calls itself
//
// The batch archives, updates the title block's attributes and binds xrefs
// (purge is left out: its one-second wait is no work of the tool's). The
// drawings are written where TMPDIR says; TMPDIR=/dev/shm leaves the disk (its
// flushes and the file system's bookkeeping) out of the figures.
#include "bench/pollent/BenchEnvironment.h"
#include "bench/pollent/PollentBatch.h"
#include "bench/pollent/Stopwatch.h"

#include "platform/cad/Document.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

#include <QApplication>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::PollentBatch;
using bench::Stopwatch;


QStringList makeCopies(files::FileSystem& files, int count) { return PollentBatch::makeCopies(files, count); }

int batch(int count)
{
    bench::BenchEnvironment bench;
    const QStringList paths = makeCopies(bench.files(), count);
    return PollentBatch::run(bench, paths, PollentBatch::Operations{});
}

int floor(int count)
{
    bench::BenchEnvironment bench;
    const QStringList paths = makeCopies(bench.files(), count);
    bench.host().context().setAppVariable(QStringLiteral("SDI"), 1);
    std::shared_ptr<cad::Document> document = bench.host().active();

    Stopwatch watch;
    for (const QString& path : paths) {
        document = document->open(path);
        document->save();
    }
    watch.stop();
    watch.print(count);
    return 0;
}

// The host doing what the batch asks of it, with nothing of the tool's in
// between: open, save as the archive copy, open the copy, set the title
// block's revision, bind the xrefs, save.
int sameWork(int count)
{
    bench::BenchEnvironment bench;
    const QStringList paths = makeCopies(bench.files(), count);
    const QString issued = PollentBatch::Copies + QStringLiteral("\\Issued\\");
    bench.files().makeFolder(issued);
    bench.host().context().setAppVariable(QStringLiteral("SDI"), 1);
    std::shared_ptr<cad::Document> document = bench.host().active();

    Stopwatch watch;
    for (const QString& path : paths) {
        document = document->open(path);
        const QString copy = issued + files::WinPath::fileName(path);
        document->saveAs(copy);
        document = document->open(copy);
        for (const auto& entity : document->paperSpace()->items()) {
            if (entity->entityType() != cad::entityType::BlockReference || entity->name() != QStringLiteral("TITLEBLK"))
                continue;
            for (const auto& attribute : entity->getAttributes()) {
                if (attribute->tagString() == QStringLiteral("REV"))
                    attribute->setTextString(QStringLiteral("X"));
            }
        }
        QStringList xrefs;
        for (const auto& block : document->blocks()->items()) {
            if (block->isXRef())
                xrefs.append(block->name());
        }
        for (const QString& xref : xrefs)
            document->blocks()->item(xref)->bind(false);
        document->save();
    }
    watch.stop();
    watch.print(count);
    return 0;
}

struct Sample {
    double wall = 0;  // milliseconds per drawing
    double cpu = 0;   // user and system, milliseconds per drawing
    double peakMb = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The medians of `runs` child processes.
Sample measure(const QString& mode, int count, int runs)
{
    std::vector<double> wall, cpu, peak;
    for (int r = 0; r < runs; ++r) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {mode, QString::number(count)});
        child.waitForFinished(-1);
        const QStringList fields = QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
        if (child.exitCode() != 0 || fields.size() != 5) {
            std::fprintf(stderr, "%s %d failed:\n%s\n", qPrintable(mode), count,
                         child.readAllStandardError().constData());
            return {};
        }
        wall.push_back(fields[1].toDouble() / count);
        cpu.push_back((fields[2].toDouble() + fields[3].toDouble()) / count);
        peak.push_back(fields[4].toDouble() / 1024.0);
    }
    return {median(wall), median(cpu), median(peak)};
}

double ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

int table()
{
    std::printf("Pollent batch (archive, attribute update, bind; no purge) over N copies of the example\n"
                "drawings, against the host's own open and save of the same N drawings (floor) and the\n"
                "host doing the batch's own calls with nothing in between (same work). Medians,\n"
                "milliseconds per drawing; wall: elapsed time, cpu: user + system time of the process.\n\n");
    std::printf("%6s | %8s %8s %8s | %8s %8s | %8s %8s %8s | %7s\n", "N", "floor", "same", "batch", "x floor",
                "x same", "floor", "batch", "x floor", "peak MB");
    std::printf("%6s | %26s | %17s | %26s |\n", "", "wall", "wall", "cpu");
    for (const int count : {10, 100, 1000}) {
        const int runs = count >= 1000 ? 3 : 7;
        const Sample host = measure(QStringLiteral("--floor"), count, runs);
        const Sample same = measure(QStringLiteral("--same-work"), count, runs);
        const Sample run = measure(QStringLiteral("--batch"), count, runs);
        std::printf("%6d | %8.2f %8.2f %8.2f | %8.2f %8.2f | %8.2f %8.2f %8.2f | %7.0f\n", count, host.wall, same.wall,
                    run.wall, ratio(run.wall, host.wall), ratio(run.wall, same.wall), host.cpu, run.cpu,
                    ratio(run.cpu, host.cpu), run.peakMb);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--batch"))
        return batch(args[2].toInt());
    if (args.size() == 3 && args[1] == QStringLiteral("--floor"))
        return floor(args[2].toInt());
    if (args.size() == 3 && args[1] == QStringLiteral("--same-work"))
        return sameWork(args[2].toInt());
    return table();
}
