// Unbalo's two runs over the suite's real item list (the built programs, the
// layer files, the project files and the help file, as the suite's installer
// carries them), against copying the same files with cp:
//   pack     the packer's run: the installer program and every item into one
//            new installer file;
//   install  the install run: every item of that installer written out;
//   cp       cp of the installer program and the items into a folder (the
//            bytes pack writes), and of the items alone (the bytes install
//            writes).
// Each is a process of its own, run several times; printed: the best time of
// the run's own work (the benchmark's process start, which loads the Qt
// libraries, is printed apart; cp's start is counted in its time), the
// throughput, its ratio to cp's, and the process's peak resident memory above
// an idle start of the same program, beside the largest item. The runs sync
// every file they put in place and cp does not: on a disk that is the
// difference between the two; TMPDIR=/dev/shm leaves the disk out.
#include "installer/unbalo/FileSource.h"
#include "installer/unbalo/InstallRun.h"
#include "installer/unbalo/PackerRun.h"
#include "installer/unbalo/ProgressDisplay.h"
#include "installer/unbalo/archive/ArchiveReader.h"
#include "platform/files/FileSystem.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Rounds = 7;

class NoDisplay : public unbalo::ProgressDisplay {
public:
    void showProgress(const QString&) override {}
};

// A child process's best time and highest peak memory over the rounds.
struct Measure {
    double seconds = 1e9;
    long peakKb = 0;
};

// The work's own time, written by a child run into the file given.
double workSeconds(const QString& file)
{
    QFile report(file);
    return report.open(QIODevice::ReadOnly) ? report.readAll().toDouble() : 1e9;
}

void reportWork(const QString& file, const QElapsedTimer& clock)
{
    QFile report(file);
    if (report.open(QIODevice::WriteOnly))
        report.write(QByteArray::number(double(clock.nsecsElapsed()) / 1e9, 'g', 12));
}

Measure run(const QStringList& command)
{
    std::vector<QByteArray> bytes;
    for (const QString& arg : command)
        bytes.push_back(QFile::encodeName(arg));
    std::vector<char*> argv;
    for (QByteArray& arg : bytes)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    return Measure{seconds, usage.ru_maxrss};
}

// A copy followed by a sync of every file it made, as the runs sync theirs.
Measure synced(const Measure& copy, const QString& folder)
{
    QStringList command{QStringLiteral("/bin/sync")};
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        command.append(QDir(folder).filePath(name));
    Measure both = run(command);
    both.seconds += copy.seconds;
    both.peakKb = copy.peakKb;
    return both;
}

void best(Measure& into, const Measure& round)
{
    into.seconds = std::min(into.seconds, round.seconds);
    into.peakKb = std::max(into.peakKb, round.peakKb);
}

int pack(const QStringList& args)
{
    QElapsedTimer clock;
    clock.start();
    files::FileSystem files{files::DriveTable()};
    NoDisplay display;
    unbalo::PackerRun packer(files, display);
    const QStringList items = args.mid(3);
    if (packer.checkItems(items))
        return 1;
    packer.begin(args[2], args[1], int(items.size()));
    if (packer.finish(items))
        return 1;
    reportWork(args[0], clock);
    return 0;
}

int install(const QStringList& args)
{
    QElapsedTimer clock;
    clock.start();
    files::FileSystem files{files::DriveTable()};
    NoDisplay display;
    const unbalo::FileSource source(args[1]);
    const unbalo::ArchiveIndex index = unbalo::ArchiveReader::index(source);
    if (!index.sound())
        return 1;
    unbalo::InstallRun run(files, display);
    run.makeDirectory(args[2]);
    if (!run.extract(source, index, args[2]).complete())
        return 1;
    reportWork(args[0], clock);
    return 0;
}

void row(const char* what, const Measure& m, qint64 bytes, const Measure& cp, const Measure& cpSynced, long idleKb)
{
    const double mbs = double(bytes) / 1e6 / m.seconds;
    std::printf("%-8s %9.1f ms %9.1f MB/s %7.0f %% of cp %7.0f %% of cp+sync %9.1f MB above idle\n", what,
                m.seconds * 1000, mbs, 100.0 * cp.seconds / m.seconds, 100.0 * cpSynced.seconds / m.seconds,
                double(m.peakKb - idleKb) / 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QFile::decodeName(argv[i]));
    if (!args.isEmpty() && args[0] == QStringLiteral("idle"))
        return 0;
    if (!args.isEmpty() && args[0] == QStringLiteral("pack"))
        return pack(args.mid(1));
    if (!args.isEmpty() && args[0] == QStringLiteral("install"))
        return install(args.mid(1));

    QFile list(QStringLiteral(SUITE_INSTALLER_ITEMS));
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no item list at %s\n", SUITE_INSTALLER_ITEMS);
        return 1;
    }
    QStringList items;
    for (const QByteArray& line : list.readAll().split('\n'))
        if (!line.isEmpty())
            items.append(QFile::decodeName(line));
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const QString stub = QFileInfo(self).dir().filePath(QStringLiteral("../unbalo"));
    qint64 itemBytes = 0;
    qint64 largest = QFileInfo(stub).size();
    for (const QString& item : items) {
        itemBytes += QFileInfo(item).size();
        largest = std::max(largest, QFileInfo(item).size());
    }
    const qint64 stubBytes = QFileInfo(stub).size();

    QTemporaryDir temp;
    const QString installer = temp.filePath(QStringLiteral("setup"));
    const QString work = temp.filePath(QStringLiteral("work-time"));
    Measure idle, packed, installed, cpPack, cpInstall, cpPackSynced, cpInstallSynced;
    for (int round = 0; round < Rounds; ++round) {
        best(idle, run({self, QStringLiteral("idle")}));
        Measure pack = run(QStringList{self, QStringLiteral("pack"), work, stub, installer} + items);
        pack.seconds = workSeconds(work);
        best(packed, pack);
        const QString into = temp.filePath(QStringLiteral("installed%1/").arg(round));
        Measure install = run({self, QStringLiteral("install"), work, installer, into});
        install.seconds = workSeconds(work);
        best(installed, install);
        const QString copyPack = temp.filePath(QStringLiteral("cp-pack%1").arg(round));
        const QString copyInstall = temp.filePath(QStringLiteral("cp-install%1").arg(round));
        QDir().mkpath(copyPack);
        QDir().mkpath(copyInstall);
        const Measure packCopy = run(QStringList{QStringLiteral("/bin/cp"), stub} + items + QStringList{copyPack});
        best(cpPack, packCopy);
        best(cpPackSynced, synced(packCopy, copyPack));
        const Measure installCopy = run(QStringList{QStringLiteral("/bin/cp")} + items + QStringList{copyInstall});
        best(cpInstall, installCopy);
        best(cpInstallSynced, synced(installCopy, copyInstall));
        QDir(into).removeRecursively();
        QDir(copyPack).removeRecursively();
        QDir(copyInstall).removeRecursively();
    }
    std::printf("%lld items, %.1f MB, the largest %.1f MB; the installer program %.1f MB; in %s\n",
                static_cast<long long>(items.size()), double(itemBytes) / 1e6, double(largest) / 1e6,
                double(stubBytes) / 1e6, qPrintable(QDir::tempPath()));
    std::printf("best of %d rounds; peak memory is the highest of them\n", Rounds);
    row("pack", packed, stubBytes + itemBytes, cpPack, cpPackSynced, idle.peakKb);
    row("install", installed, itemBytes, cpInstall, cpInstallSynced, idle.peakKb);
    std::printf("cp       %9.1f ms (program and items), %.1f ms (items); with sync %.1f ms and %.1f ms\n",
                cpPack.seconds * 1000, cpInstall.seconds * 1000, cpPackSynced.seconds * 1000,
                cpInstallSynced.seconds * 1000);
    std::printf("start    %9.1f ms (the benchmark's own process start, not counted above)\n", idle.seconds * 1000);
    return 0;
}
