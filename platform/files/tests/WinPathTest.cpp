#include "platform/files/WinPath.h"

#include <gtest/gtest.h>

using files::WinPath;

TEST(WinPath, JoinPutsExactlyOneBackslashBetween)
{
    EXPECT_EQ(WinPath::join("C:\\Jobs", "a.dwg"), "C:\\Jobs\\a.dwg");
    EXPECT_EQ(WinPath::join("P:\\", "a.dwg"), "P:\\a.dwg");
    EXPECT_EQ(WinPath::join("C:\\Jobs\\", "\\a.dwg"), "C:\\Jobs\\a.dwg");
    EXPECT_EQ(WinPath::join("C:\\Jobs", "\\Project.txt"), "C:\\Jobs\\Project.txt");
    EXPECT_EQ(WinPath::join("/opt/tarvo/", "x"), "/opt/tarvo/x");
    EXPECT_EQ(WinPath::join("", "a.dwg"), "a.dwg");
}

TEST(WinPath, ParentFolderStopsAtTheRoot)
{
    EXPECT_EQ(WinPath::parentFolder("P:\\Jobs\\A100\\a.dwg"), "P:\\Jobs\\A100");
    EXPECT_EQ(WinPath::parentFolder("P:\\Jobs\\"), "P:\\");
    EXPECT_EQ(WinPath::parentFolder("P:\\Jobs"), "P:\\");
    EXPECT_EQ(WinPath::parentFolder("P:\\"), "");
    EXPECT_EQ(WinPath::parentFolder("C:a.dwg"), "C:");
    EXPECT_EQ(WinPath::parentFolder("/opt/x"), "/opt");
    EXPECT_EQ(WinPath::parentFolder("/opt"), "/");
    EXPECT_EQ(WinPath::parentFolder("/"), "");
    EXPECT_EQ(WinPath::parentFolder("a.dwg"), "");
}

TEST(WinPath, NamePartsOfAPath)
{
    EXPECT_EQ(WinPath::fileName("C:\\Jobs/a.b.DWG"), "a.b.DWG");
    EXPECT_EQ(WinPath::baseName("C:\\Jobs\\a.b.DWG"), "a.b");
    EXPECT_EQ(WinPath::extension("C:\\Jobs\\a.b.DWG"), "DWG");
    EXPECT_EQ(WinPath::fileName("C:\\"), "");
    EXPECT_EQ(WinPath::fileName("C:x.lay"), "x.lay");
    EXPECT_EQ(WinPath::extension("C:\\Jobs.old\\readme"), "");
    EXPECT_EQ(WinPath::baseName("/home/u/.profile"), ".profile");
    EXPECT_EQ(WinPath::extension("/home/u/.profile"), "");
}

TEST(WinPath, DriveAndSeparators)
{
    EXPECT_TRUE(WinPath::hasDrive("c:"));
    EXPECT_TRUE(WinPath::hasDrive("P:\\Jobs"));
    EXPECT_FALSE(WinPath::hasDrive("/tmp/c:"));
    EXPECT_FALSE(WinPath::hasDrive("1:\\"));
    EXPECT_FALSE(WinPath::hasDrive("C"));
    EXPECT_EQ(WinPath::normalise("C:/Jobs\\a/b.dwg"), "C:\\Jobs\\a\\b.dwg");
}
