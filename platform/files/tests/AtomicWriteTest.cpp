#include "FilesFixture.h"

#include "platform/files/AtomicWriter.h"

#include <csignal>
#include <sys/resource.h>

using namespace files::test;
using namespace runtime::err;

class AtomicWrite : public FilesTest {
protected:
    // Every entry of the folder, hidden ones too.
    QStringList everything(const QString& relative) const
    {
        return QDir(host(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(AtomicWrite, FailedWriteLeavesTheOldFileWhole)
{
    put("Project.txt", "<<Type Project Number>>\r\n");

    // The host refuses to let any file grow past 100 bytes, so the write fails
    // half-way through, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t error = errorOf([&] { fs.writeAll("C:\\Project.txt", QByteArray(1000, 'x')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, DiskFull);
    EXPECT_EQ(bytesOf("Project.txt"), "<<Type Project Number>>\r\n");
    EXPECT_EQ(everything(""), QStringList{"Project.txt"});  // no temporary file left behind
}

TEST_F(AtomicWrite, ReplacesAWholeFileAndKeepsItsPermissions)
{
    put("data.lay", QByteArray(500, 'o'));
    ::chmod(QFile::encodeName(host("data.lay")).constData(), 0640);

    fs.writeAll("C:\\DATA.LAY", "A-OBJ1,3,continuous,\r\n");
    EXPECT_EQ(bytesOf("data.lay"), "A-OBJ1,3,continuous,\r\n");
    EXPECT_EQ(modeOf("data.lay"), 0640);
    EXPECT_EQ(everything(""), QStringList{"data.lay"});
}

TEST_F(AtomicWrite, WritesThroughASymbolicLink)
{
    put("real/settings.ini", "old");
    QFile::link(host("real/settings.ini"), host("settings.ini"));

    fs.writeAll("C:\\settings.ini", "new");
    EXPECT_TRUE(QFileInfo(host("settings.ini")).isSymLink());
    EXPECT_EQ(bytesOf("real/settings.ini"), "new");
}

// A file put in place (a program written out by an installer) takes the
// place of what stands there: a link is replaced rather than followed, so the
// file it pointed to stays as it was, and a read-only file gives way.
TEST_F(AtomicWrite, AReplacementTakesThePlaceOfALinkOrAReadOnlyFile)
{
    put("elsewhere/passwd", "precious");
    QFile::link(host("elsewhere/passwd"), host("tarvo"));
    put("fly", "old fly");
    ::chmod(QFile::encodeName(host("fly")).constData(), 0444);
    QFile::link(host("nowhere/at/all"), host("dangling"));

    for (const char* name : {"C:\\Tarvo", "C:\\fly", "C:\\dangling"}) {
        const auto writer = fs.replacement(name);
        writer->write(QByteArray("new ") + name);
        writer->commit(std::nullopt);
    }
    EXPECT_EQ(bytesOf("elsewhere/passwd"), "precious");
    EXPECT_FALSE(QFileInfo(host("tarvo")).isSymLink());
    EXPECT_EQ(bytesOf("tarvo"), "new C:\\Tarvo");
    EXPECT_EQ(bytesOf("fly"), "new C:\\fly");
    EXPECT_FALSE(QFileInfo(host("dangling")).isSymLink());
    EXPECT_EQ(bytesOf("dangling"), "new C:\\dangling");
    EXPECT_FALSE(QFileInfo::exists(host("nowhere")));
}

TEST_F(AtomicWrite, AReplacementIsRefusedForAFolderOrAMissingFolderBeforeAnythingIsWritten)
{
    makeHostFolder("Tarvo");
    EXPECT_EQ(errorOf([&] { fs.replacement("C:\\tarvo"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.replacement("C:\\"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.replacement("C:\\No Such\\tarvo"); }), PathNotFound);
    EXPECT_EQ(everything("Tarvo"), QStringList{});

    // Dropped before its commit, it leaves nothing behind and the old file whole.
    put("Tarvo/fly", "old");
    {
        const auto writer = fs.replacement("C:\\Tarvo\\fly");
        writer->write("half");
    }
    EXPECT_EQ(everything("Tarvo"), QStringList{"fly"});
    EXPECT_EQ(bytesOf("Tarvo/fly"), "old");
}

TEST_F(AtomicWrite, AnExecutableReplacementRunsForWhoeverMayReadIt)
{
    const mode_t saved = ::umask(027);
    const auto writer = fs.replacement("C:\\tarvo");
    writer->write("#!/bin/sh\n");
    writer->makeExecutable();
    writer->commit(std::nullopt);
    const auto data = fs.replacement("C:\\project.txt");
    data->write("<<Type Project Number>>\r\n");
    data->commit(std::nullopt);
    ::umask(saved);

    EXPECT_EQ(modeOf("tarvo"), 0750);
    EXPECT_EQ(modeOf("project.txt"), 0640);
}

// An installer's items are copied out of the middle of its file, and a
// packer's out of whole files, by the host.
TEST_F(AtomicWrite, ACopyTakesTheRangeAskedAndSaysHowMuchThereWas)
{
    put("setup", "stub|first item|second");
    const auto writer = fs.replacement("C:\\out");
    EXPECT_EQ(writer->copyFrom(host("setup"), 5, 10), 10);
    writer->write("+");
    EXPECT_EQ(writer->copyFrom(host("setup"), 16), 6);
    EXPECT_EQ(writer->copyFrom(host("setup"), 16, 100), 6);  // the file ends first
    EXPECT_EQ(writer->copyFrom(host("setup"), 99, 5), 0);
    EXPECT_EQ(errorOf([&] { writer->copyFrom(host("gone")); }), FileNotFound);
    writer->commit(std::nullopt);
    EXPECT_EQ(bytesOf("out"), "first item+secondsecond");

    // Large enough to take several rounds of the copy.
    put("big", QByteArray(3 * 1024 * 1024 + 7, 'b'));
    const auto big = fs.replacement("C:\\big copy");
    EXPECT_EQ(big->copyFrom(host("big")), 3 * 1024 * 1024 + 7);
    big->commit(std::nullopt);
    EXPECT_EQ(bytesOf("big copy"), QByteArray(3 * 1024 * 1024 + 7, 'b'));
}
