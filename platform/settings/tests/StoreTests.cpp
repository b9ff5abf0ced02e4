#include "platform/runtime/Error.h"
#include "platform/settings/Store.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using settings::Store;
using testing_env::errorOf;

namespace {

using Pairs = QList<QPair<QString, QString>>;

// Which file the path names and when it was last written: a rewrite replaces
// the file, so the identity changes with every write.
struct FileIdentity {
    ino_t inode = 0;
    timespec modified{};
    bool operator==(const FileIdentity& other) const
    {
        return inode == other.inode && modified.tv_sec == other.modified.tv_sec
               && modified.tv_nsec == other.modified.tv_nsec;
    }
};

FileIdentity identityOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return FileIdentity{status.st_ino, status.st_mtim};
}

class StoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("tarvo/settings.ini"));
};

TEST_F(StoreTest, NamesMatchWithoutRegardToCaseAndKeepTheirFirstSpelling)
{
    Store store(path);
    store.save(QStringLiteral("Kandrel"), QStringLiteral("Settings"), QStringLiteral("ProjectPath"), QStringLiteral("a"));
    EXPECT_EQ(store.get(QStringLiteral("KANDREL"), QStringLiteral("settings"), QStringLiteral("projectPATH")),
              QStringLiteral("a"));

    store.save(QStringLiteral("kandrel"), QStringLiteral("SETTINGS"), QStringLiteral("PROJECTPATH"), QStringLiteral("B"));
    EXPECT_EQ(store.all(QStringLiteral("Kandrel"), QStringLiteral("Settings")),
              (Pairs{{QStringLiteral("ProjectPath"), QStringLiteral("B")}}));

    // The spelling survives a fresh read of the file.
    Store again(path);
    EXPECT_EQ(again.all(QStringLiteral("kandrel"), QStringLiteral("settings")),
              (Pairs{{QStringLiteral("ProjectPath"), QStringLiteral("B")}}));
}

TEST_F(StoreTest, AValueEqualToTheStoredOneIsNotWrittenAndAnyOtherIs)
{
    const QString app = QStringLiteral("DROSSEL");
    const QString section = QStringLiteral("Settings");
    Store store(path);
    store.save(app, section, QStringLiteral("Center"), QStringLiteral("True"));
    const FileIdentity before = identityOf(path);

    store.save(app, section, QStringLiteral("Center"), QStringLiteral("True"));
    store.save(QStringLiteral("drossel"), QStringLiteral("SETTINGS"), QStringLiteral("center"), QStringLiteral("True"));
    EXPECT_EQ(identityOf(path), before) << "an unchanged value rewrote the file";

    // Another text, if only in case, is another value; so is a new key, even
    // an empty one.
    store.save(app, section, QStringLiteral("Center"), QStringLiteral("true"));
    EXPECT_NE(identityOf(path), before);
    EXPECT_EQ(store.get(app, section, QStringLiteral("Center")), QStringLiteral("true"));
    store.save(app, section, QStringLiteral("PickFiles"), QString());
    EXPECT_EQ(store.all(app, section).size(), 2);

    // The comparison is with the file as it is now, not as this store last
    // saw it.
    Store other(path);
    other.save(app, section, QStringLiteral("Center"), QStringLiteral("False"));
    store.save(app, section, QStringLiteral("Center"), QStringLiteral("true"));
    EXPECT_EQ(other.get(app, section, QStringLiteral("Center")), QStringLiteral("true"));
}

TEST_F(StoreTest, MissingValuesGiveTheDefaultAndListsKeepSavingOrder)
{
    Store store(path);
    EXPECT_EQ(store.get(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("Rotation"),
                        QStringLiteral("90")),
              QStringLiteral("90"));
    EXPECT_TRUE(store.all(QStringLiteral("DROSSEL"), QStringLiteral("Settings")).isEmpty());
    EXPECT_FALSE(QFile::exists(path)) << "reading must not create the file";

    store.save(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("Rotation"), QStringLiteral("0"));
    store.save(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("OnTop"), QStringLiteral("True"));
    store.save(QStringLiteral("DROSSEL"), QStringLiteral("Settings"), QStringLiteral("Rotation"), QStringLiteral("270"));
    EXPECT_EQ(store.all(QStringLiteral("DROSSEL"), QStringLiteral("Settings")),
              (Pairs{{QStringLiteral("Rotation"), QStringLiteral("270")}, {QStringLiteral("OnTop"), QStringLiteral("True")}}));
    EXPECT_EQ(store.get(QStringLiteral("DROSSEL"), QStringLiteral("Other"), QStringLiteral("Rotation"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST_F(StoreTest, ValuesOfAnyTextRoundTripExactly)
{
    QString withControls = QStringLiteral("nul[") + QChar(0) + QStringLiteral("] bell[\a] lone[") + QChar(0xD800) +
                           QStringLiteral("]");
    const QStringList values{
        QString(),
        QStringLiteral("a=b=c"),
        QStringLiteral("line1\nline2\r\nline3\r"),
        QStringLiteral("   leading and trailing blanks   "),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("[Section]"),
        QStringLiteral("; not a comment # nor this"),
        QStringLiteral("P:\\Projects\\12\\ with \\\\ doubled"),
        QStringLiteral("\t tab %41 %% $HOME ${x}"),
        QStringLiteral("Ärger → 設計 😀"),
        withControls,
    };
    {
        Store store(path);
        for (int i = 0; i < values.size(); ++i)
            store.save(QStringLiteral("App"), QStringLiteral("S=1\n[x]"), QStringLiteral("k %1 =\"").arg(i), values[i]);
    }
    Store reader(path);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(reader.get(QStringLiteral("App"), QStringLiteral("S=1\n[x]"), QStringLiteral("k %1 =\"").arg(i),
                             QStringLiteral("missing")),
                  values[i])
            << "value " << i;
}

TEST_F(StoreTest, TwoStoresOnOneFileSeeEachOthersChanges)
{
    Store first(path);
    Store second(path);
    first.save(QStringLiteral("Fly"), QStringLiteral("Settings"), QStringLiteral("Button1"), QStringLiteral("one"));
    EXPECT_EQ(second.get(QStringLiteral("Fly"), QStringLiteral("Settings"), QStringLiteral("Button1")),
              QStringLiteral("one"));

    // A save works on the file as it is now, so neither store's change is lost.
    second.save(QStringLiteral("Fly"), QStringLiteral("Settings"), QStringLiteral("Button2"), QStringLiteral("two"));
    first.save(QStringLiteral("Tarvo"), QStringLiteral("Settings"), QStringLiteral("SideBar"), QStringLiteral("True"));
    Store third(path);
    EXPECT_EQ(third.get(QStringLiteral("Fly"), QStringLiteral("Settings"), QStringLiteral("Button2")), QStringLiteral("two"));
    EXPECT_EQ(third.get(QStringLiteral("Tarvo"), QStringLiteral("Settings"), QStringLiteral("SideBar")),
              QStringLiteral("True"));

    second.remove(QStringLiteral("Fly"));
    EXPECT_EQ(first.get(QStringLiteral("Fly"), QStringLiteral("Settings"), QStringLiteral("Button1"), QStringLiteral("gone")),
              QStringLiteral("gone"));
}

TEST_F(StoreTest, RemoveTakesAKeyASectionOrAWholeApplication)
{
    Store store(path);
    const QString app = QStringLiteral("Pollent");
    store.save(app, QStringLiteral("Settings"), QStringLiteral("A"), QStringLiteral("1"));
    store.save(app, QStringLiteral("Settings"), QStringLiteral("B"), QStringLiteral("2"));
    store.save(app, QStringLiteral("Tags"), QStringLiteral("T"), QStringLiteral("3"));
    store.save(QStringLiteral("Other"), QStringLiteral("Settings"), QStringLiteral("A"), QStringLiteral("4"));

    store.remove(QStringLiteral("POLLENT"), QStringLiteral("settings"), QStringLiteral("a"));
    EXPECT_EQ(store.all(app, QStringLiteral("Settings")), (Pairs{{QStringLiteral("B"), QStringLiteral("2")}}));

    // A section whose last key went is still there to be removed by name.
    store.remove(app, QStringLiteral("Settings"), QStringLiteral("B"));
    EXPECT_TRUE(store.all(app, QStringLiteral("Settings")).isEmpty());
    store.remove(app, QStringLiteral("Settings"));

    store.remove(app);
    EXPECT_EQ(store.get(app, QStringLiteral("Tags"), QStringLiteral("T"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(store.get(QStringLiteral("Other"), QStringLiteral("Settings"), QStringLiteral("A")), QStringLiteral("4"));
}

TEST_F(StoreTest, RemovingWhatIsNotThereIsError5AndChangesNothing)
{
    Store store(path);
    store.save(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("A"), QStringLiteral("1"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    EXPECT_EQ(errorOf([&] { store.remove(QStringLiteral("Nope")); }), 5);
    EXPECT_EQ(errorOf([&] { store.remove(QStringLiteral("App"), QStringLiteral("Nope")); }), 5);
    EXPECT_EQ(errorOf([&] { store.remove(QStringLiteral("App"), QStringLiteral("Settings"), QStringLiteral("Z")); }), 5);
    EXPECT_EQ(errorOf([&] { store.remove(QStringLiteral("App"), QString(), QStringLiteral("A")); }), 5);
    EXPECT_EQ(errorOf([&] { store.remove(QString()); }), 5);
    EXPECT_EQ(errorOf([&] { store.save(QStringLiteral("App"), QString(), QStringLiteral("A"), QStringLiteral("x")); }),
              5);

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(StoreDefaultPath, FollowsXdgConfigHomeOrFallsBackToDotConfig)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");

    qputenv("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(Store::defaultPath(), QStringLiteral("/somewhere/config/tarvo/settings.ini"));
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(Store::defaultPath(), QDir::homePath() + QStringLiteral("/.config/tarvo/settings.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Store::defaultPath(), QDir::homePath() + QStringLiteral("/.config/tarvo/settings.ini"));

    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
