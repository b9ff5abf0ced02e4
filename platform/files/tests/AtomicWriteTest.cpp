#include "FilesFixture.h"

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
