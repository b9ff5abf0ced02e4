#include "platform/shell/ShellFolders.h"
#include "platform/shell/ShortcutFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using shell::ShellFolders;
using shell::ShortcutFile;
using shell::KnownFolder;

TEST(ShellFoldersTest, FoldersAreMadeUnderTheRootOnFirstUse)
{
    QTemporaryDir root;
    ShellFolders folders(root.path());
    EXPECT_FALSE(QFileInfo::exists(root.filePath("Desktop")));

    EXPECT_EQ(folders.path(KnownFolder::Desktop), root.filePath("Desktop"));
    EXPECT_EQ(folders.path(KnownFolder::Recent), root.filePath("Recent"));
    EXPECT_TRUE(QFileInfo(root.filePath("Desktop")).isDir());
    EXPECT_TRUE(QFileInfo(root.filePath("Recent")).isDir());

    // The start menu comes with its programs group, which new groups copy.
    EXPECT_EQ(folders.path(KnownFolder::StartMenu), root.filePath("Start Menu"));
    EXPECT_TRUE(QFileInfo(root.filePath("Start Menu/Programs")).isDir());
    EXPECT_EQ(folders.path(KnownFolder::Programs), root.filePath("Start Menu/Programs"));
}

TEST(ShellFoldersTest, FolderThatCannotBeMadeIsEmpty)
{
    QTemporaryDir root;
    QFile blocker(root.filePath("Desktop"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(ShellFolders(root.path()).path(KnownFolder::Desktop).isEmpty());
}

TEST(ShellFoldersTest, DefaultRootFollowsXdgDataHome)
{
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    EXPECT_EQ(ShellFolders().root(), data.path() + "/tarvo/shell");
    if (saved.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

TEST(ShortcutFileTest, LinkIsNamedAfterTheDocumentsFileName)
{
    EXPECT_EQ(ShortcutFile::linkNameFor(R"(c:\tarvo\Tarvo.exe)"), "Tarvo.exe.lnk");
    EXPECT_EQ(ShortcutFile::linkNameFor("/opt/tarvo/tarvo.exe"), "tarvo.exe.lnk");
    EXPECT_EQ(ShortcutFile::linkNameFor("Tarvo.exe"), "Tarvo.exe.lnk");
    EXPECT_EQ(ShortcutFile::linkNameFor(R"(c:\tarvo\)"), "");
}

TEST(ShortcutFileTest, WrittenLinkReadsBackAndIsReplacedWhole)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("Tarvo.exe.lnk");
    ASSERT_TRUE(ShortcutFile::write(link, "/opt/some long/path/tarvo"));
    ASSERT_TRUE(ShortcutFile::write(link, "/x"));
    EXPECT_EQ(ShortcutFile::readTarget(link), "/x");

    EXPECT_FALSE(ShortcutFile::write(link, "/x\nTarget=/evil"));
    EXPECT_EQ(ShortcutFile::readTarget(link), "/x");

    QFile foreign(dir.filePath("other.lnk"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("L\0\0\0binary", 10);
    foreign.close();
    EXPECT_EQ(ShortcutFile::readTarget(foreign.fileName()), "");
    EXPECT_EQ(ShortcutFile::readTarget(dir.filePath("missing.lnk")), "");
}
