#include "FilesFixture.h"

#include "platform/files/DriveTable.h"

using files::DriveTable;
using files::FileSystem;
using namespace files::test;
using namespace runtime::err;

TEST(DriveTable, LetterIsTakenFromAnyDriveText)
{
    EXPECT_EQ(DriveTable::letterOf("C"), QChar('C'));
    EXPECT_EQ(DriveTable::letterOf("c:"), QChar('C'));
    EXPECT_EQ(DriveTable::letterOf("C:\\"), QChar('C'));
    EXPECT_EQ(DriveTable::letterOf("p:\\Jobs\\a.dwg"), QChar('P'));
    EXPECT_TRUE(DriveTable::letterOf("").isNull());
    EXPECT_TRUE(DriveTable::letterOf("CD").isNull());
    EXPECT_TRUE(DriveTable::letterOf("1:").isNull());
    EXPECT_TRUE(DriveTable::letterOf("/tmp").isNull());

    DriveTable table;
    EXPECT_EQ(errorOf([&] { table.map("Jobs", "/tmp"); }), BadFileNameOrNumber);
    table.map("p:\\", "/tmp");
    EXPECT_TRUE(table.isMapped("P"));
    EXPECT_TRUE(table.isMapped("p:"));
    EXPECT_FALSE(table.isMapped("C"));
    EXPECT_EQ(table.currentFolder("P"), "P:\\");
    EXPECT_EQ(errorOf([&] { table.hostRoot("C"); }), DeviceUnavailable);
}

TEST(DriveTable, StandardTableMapsDriveCIntoTheDataFolder)
{
    QTemporaryDir data;
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const DriveTable table = DriveTable::standard();
    wasSet ? qputenv("XDG_DATA_HOME", saved) : qunsetenv("XDG_DATA_HOME");

    const QString root = data.path() + "/tarvo/drives/c";
    EXPECT_EQ(table.hostRoot("C:"), root);
    EXPECT_TRUE(QFileInfo(root).isDir());
    EXPECT_FALSE(table.isMapped("D"));
    EXPECT_EQ(FileSystem(table).drives(), QStringList{"c:"});
}

class DriveTableFiles : public FilesTest {};

TEST_F(DriveTableFiles, UnmappedDriveIsUnavailable)
{
    // The picker starts on P: when there is one; without it every use of P:
    // must fail as a missing drive does, and the existence tests say no.
    EXPECT_FALSE(fs.driveExists("P"));
    EXPECT_FALSE(fs.driveExists("P:\\"));
    EXPECT_FALSE(fs.fileExists("P:\\a.dwg"));
    EXPECT_FALSE(fs.folderExists("P:\\"));
    EXPECT_EQ(errorOf([&] { fs.readAll("P:\\a.dwg"); }), DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { fs.writeAll("p:\\a.dwg", "x"); }), DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { fs.listFiles("P:\\", "*.dwg"); }), DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { fs.currentFolder("P"); }), DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { fs.setCurrentFolder("P:\\"); }), DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { fs.makeFolder("P:\\Jobs"); }), DeviceUnavailable);
}

TEST_F(DriveTableFiles, DriveWhoseFolderIsGoneIsUnavailable)
{
    fs.driveTable().map("P", temp.path() + "/network-share");
    EXPECT_EQ(fs.drives(), (QStringList{"c:", "p:"}));
    EXPECT_FALSE(fs.driveExists("p:"));
    EXPECT_FALSE(fs.fileExists("P:\\a.dwg"));
    EXPECT_EQ(errorOf([&] { fs.readAll("P:\\a.dwg"); }), DeviceUnavailable);
    EXPECT_EQ(errorOf([&] { fs.currentFolder("P:\\"); }), DeviceUnavailable);

    makeHostFolder("../network-share");
    EXPECT_TRUE(fs.driveExists("P"));
    EXPECT_EQ(fs.currentFolder("P"), "P:\\");
}

TEST_F(DriveTableFiles, CurrentFolderIsKeptPerDrive)
{
    makeHostFolder("Jobs/A100");
    put("Jobs/A100/a.dwg", "drawing");
    EXPECT_EQ(fs.currentFolder("c"), "C:\\");

    fs.setCurrentFolder("c:\\JOBS\\a100\\");
    EXPECT_EQ(fs.currentFolder("C:"), "C:\\Jobs\\A100");  // the spelling on disk
    // A path with a drive but no root starts at the drive's current folder.
    EXPECT_EQ(fs.readAll("C:a.dwg"), "drawing");
    EXPECT_EQ(fs.readAll("C:..\\A100\\a.dwg"), "drawing");

    EXPECT_EQ(errorOf([&] { fs.setCurrentFolder("C:\\Missing"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.setCurrentFolder("C:\\Jobs\\A100\\a.dwg"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.setCurrentFolder(temp.path()); }), DeviceUnavailable);
    EXPECT_EQ(fs.currentFolder("C"), "C:\\Jobs\\A100");

    // A current folder removed behind the program's back falls back to the root.
    fs.deleteFile("C:\\Jobs\\A100\\a.dwg");
    fs.removeFolder("C:\\Jobs\\A100");
    EXPECT_EQ(fs.currentFolder("C"), "C:\\");
}
