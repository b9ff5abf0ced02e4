#include "platform/runtime/Error.h"
#include "platform/settings/Registry.h"
#include "platform/settings/Store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using settings::Store;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Makes every write past `bytes` fail with EFBIG for the scope's lifetime: a
// real write failure that works for root as well, unlike a read-only folder.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

class StoreFileSafetyTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("settings.ini"));
};

TEST_F(StoreFileSafetyTest, SaveLeavesOnlyTheStoreFileBehind)
{
    Store store(path);
    store.save(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("A"), QStringLiteral("1"));
    store.save(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("B"), QStringLiteral("2"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{QStringLiteral("settings.ini")});
}

TEST_F(StoreFileSafetyTest, FailedWriteKeepsThePreviousContentAndRaises)
{
    Store store(path);
    store.save(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("Kept"), QStringLiteral("old"));
    const QByteArray before = contentOf(path);

    int number = 0;
    QString description;
    {
        FileSizeLimit limit(4096);
        try {
            store.save(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("Big"), QString(100000, QChar('x')));
        } catch (const runtime::Error& error) {
            number = error.number();
            description = error.description();
        }
    }
    EXPECT_EQ(number, runtime::err::PathFileAccessError);
    EXPECT_TRUE(description.contains(path)) << description.toStdString();
    EXPECT_EQ(contentOf(path), before);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{QStringLiteral("settings.ini")});
    EXPECT_EQ(store.get(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("Kept")), QStringLiteral("old"));
}

TEST_F(StoreFileSafetyTest, SaveIntoAFolderThatIsAFileRaisesAndCreatesNothing)
{
    writeFile(dir.filePath(QStringLiteral("blocker")), "not a folder");
    Store store(dir.filePath(QStringLiteral("blocker/settings.ini")));
    try {
        store.save(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("A"), QStringLiteral("1"));
        FAIL() << "save succeeded";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.number(), runtime::err::PathFileAccessError);
    }
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("blocker"))), QByteArray("not a folder"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{QStringLiteral("blocker")});
}

TEST_F(StoreFileSafetyTest, DamagedFileIsReportedOnceKeptAsideAndTheStoreStartsEmpty)
{
    const QByteArray damaged = "{\"format\": \"tarvo settings 1\", \"applications\": [ {\"name\": \"App\", ";
    writeFile(path, damaged);

    Store store(path);
    const QString report = store.damageReport();
    EXPECT_TRUE(report.contains(path)) << report.toStdString();
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("settings.ini.damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(report.contains(aside.first())) << report.toStdString();
    EXPECT_EQ(contentOf(dir.filePath(aside.first())), damaged);
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_EQ(store.get(QStringLiteral("App"), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d")),
              QStringLiteral("d"));
    store.save(QStringLiteral("App"), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("new"));
    EXPECT_EQ(store.damageReport(), report);

    // The next store finds a sound file and has nothing to report.
    Store later(path);
    EXPECT_TRUE(later.damageReport().isEmpty());
    EXPECT_EQ(later.get(QStringLiteral("App"), QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("new"));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("settings.ini.damaged-*")}, QDir::Files).size(), 1);
}

TEST_F(StoreFileSafetyTest, FilesOfTheWrongShapeCountAsDamaged)
{
    const QList<QByteArray> shapes{
        "[Settings]\nProjectPath=P:\\x\n",
        "",
        "[1, 2]",
        "{\"applications\": []}",
        "{\"format\": \"tarvo settings 1\", \"applications\": {}}",
        "{\"format\": \"tarvo settings 1\", \"applications\": [{\"name\": \"A\", \"sections\": "
        "[{\"name\": \"S\", \"keys\": [{\"name\": \"K\", \"value\": 3}]}]}]}",
        "{\"format\": \"tarvo settings 1\", \"applications\": [{\"name\": \"App\"}, {\"name\": \"APP\"}]}",
    };
    for (const QByteArray& shape : shapes) {
        QTemporaryDir own;
        const QString file = own.filePath(QStringLiteral("settings.ini"));
        writeFile(file, shape);
        Store store(file);
        EXPECT_FALSE(store.damageReport().isEmpty()) << shape.constData();
        EXPECT_EQ(QDir(own.path()).entryList({QStringLiteral("settings.ini.damaged-*")}, QDir::Files).size(), 1)
            << shape.constData();
    }
}

TEST_F(StoreFileSafetyTest, DamagedRegistryFileIsKeptAsideToo)
{
    const QString registryPath = dir.filePath(QStringLiteral("registry.ini"));
    writeFile(registryPath, "{\"format\": \"tarvo registry 1\", \"hives\": [{\"name\": \"HKEY_NOWHERE\"}]}");
    settings::Registry registry(registryPath);
    EXPECT_FALSE(registry.damageReport().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("registry.ini.damaged-*")}, QDir::Files).size(), 1);
    EXPECT_FALSE(registry.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software")));
}

}  // namespace
