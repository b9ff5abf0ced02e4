#include "FilesFixture.h"

using namespace files::test;
using namespace runtime::err;

class PathResolution : public FilesTest {};

TEST_F(PathResolution, ExistingNamesAreFoundWithoutRegardToCase)
{
    put("Jobs/project.txt", "list");
    EXPECT_EQ(fs.readAll("C:\\JOBS\\Project.TXT"), "list");
    EXPECT_TRUE(fs.fileExists("c:\\jobs\\PROJECT.txt"));
    EXPECT_TRUE(fs.folderExists("C:\\jObS"));
    EXPECT_FALSE(fs.folderExists("C:\\Jobs\\project.txt"));
    EXPECT_FALSE(fs.fileExists("C:\\Jobs"));
    EXPECT_EQ(fs.hostPath("C:\\JOBS\\Project.TXT"), host("Jobs/project.txt"));
}

TEST_F(PathResolution, ExactSpellingWinsWhenTwoNamesDifferOnlyInCase)
{
    put("Data.txt", "upper");
    put("data.txt", "lower");
    EXPECT_EQ(fs.readAll("C:\\Data.txt"), "upper");
    EXPECT_EQ(fs.readAll("C:\\data.txt"), "lower");
}

TEST_F(PathResolution, WithoutTheExactSpellingTheLeastSpellingWinsWhateverTheFoldersOrder)
{
    // Made with the winner last, so the folder's own order does not decide.
    put("Jobs/data.TXT", "c");
    put("Jobs/Data.txt", "b");
    put("Jobs/DATA.txt", "a");
    put("jobs/other.txt", "x");
    EXPECT_EQ(fs.readAll("C:\\Jobs\\dAtA.txt"), "a");
    EXPECT_EQ(fs.hostPath("C:\\JOBS\\DaTa.TxT"), host("Jobs/DATA.txt"));
    // An exact spelling still wins, in the middle of a path too.
    EXPECT_EQ(fs.readAll("C:\\Jobs\\data.TXT"), "c");
    EXPECT_EQ(fs.readAll("C:\\jobs\\Other.txt"), "x");
    // Hidden entries are found like any other; "." and ".." are no names.
    put("Jobs/.Settings", "s");
    EXPECT_EQ(fs.readAll("C:\\Jobs\\.SETTINGS"), "s");
    EXPECT_FALSE(fs.fileExists("C:\\Jobs\\..."));
}

TEST_F(PathResolution, NamesBeyondAsciiMatchRegardlessOfCaseToo)
{
    put("Plans/Ärger Übersicht.dwg", "u");
    put("Plans/KELVIN.dwg", "k");
    EXPECT_EQ(fs.readAll("C:\\Plans\\ärger übersicht.DWG"), "u");
    EXPECT_EQ(fs.hostPath("C:\\plans\\ÄRGER ÜBERSICHT.dwg"), host("Plans/Ärger Übersicht.dwg"));
    // The Kelvin sign is a capital K regardless of case, as the text compares.
    EXPECT_EQ(fs.readAll(QStringLiteral("C:\\Plans\\\u212Aelvin.dwg")), "k");
    put(QStringLiteral("Plans/\u212Aey.dwg"), "sign");
    EXPECT_EQ(fs.readAll("C:\\Plans\\KEY.dwg"), "sign");
    EXPECT_FALSE(fs.fileExists("C:\\Plans\\Arger Ubersicht.dwg"));
}

TEST_F(PathResolution, ANameMissingFromALargeFolderKeepsItsSpelling)
{
    makeHostFolder("Issued");
    for (int i = 0; i < 500; ++i)
        put(QStringLiteral("Issued/S%1.dwg").arg(i, 4, 10, QChar(u'0')), "d");
    EXPECT_EQ(fs.hostPath("C:\\ISSUED\\New.DWG"), host("Issued/New.DWG"));
    EXPECT_FALSE(fs.fileExists("C:\\Issued\\s0500.dwg"));
    EXPECT_TRUE(fs.fileExists("C:\\Issued\\s0499.DWG"));
    EXPECT_EQ(fs.onDiskName("C:\\issued\\s0007.DWG"), "S0007.dwg");
}

TEST_F(PathResolution, MissingComponentsKeepTheGivenSpelling)
{
    makeHostFolder("jobs");
    fs.writeAll("C:\\JOBS\\New Drawing.DWG", "x");
    EXPECT_EQ(bytesOf("jobs/New Drawing.DWG"), "x");
    EXPECT_EQ(fs.hostPath("C:\\Jobs\\Sub\\B.dwg"), host("jobs/Sub/B.dwg"));
}

TEST_F(PathResolution, BothSeparatorsWorkAndRepeatsAreHarmless)
{
    put("Jobs/A100/a.dwg", "a");
    EXPECT_EQ(fs.readAll("C:/Jobs\\A100/a.dwg"), "a");
    EXPECT_EQ(fs.readAll("C:\\\\Jobs\\\\A100\\a.dwg"), "a");
    EXPECT_EQ(fs.readAll("C:\\Jobs\\.\\A100\\..\\A100\\a.dwg"), "a");
}

TEST_F(PathResolution, PathsWithoutDriveAreHostPaths)
{
    put("Tarvo/project.txt", "host");
    // The programs join their own folder and a name with "\".
    EXPECT_EQ(fs.readAll(host("Tarvo") + "\\Project.txt"), "host");
    EXPECT_TRUE(fs.fileExists(host("TARVO/project.txt")));
}

TEST_F(PathResolution, DotDotNeverLeavesTheDrive)
{
    fs.writeAll("C:\\..\\..\\escape.txt", "kept inside");
    EXPECT_EQ(bytesOf("escape.txt"), "kept inside");
    EXPECT_FALSE(QFileInfo::exists(temp.path() + "/escape.txt"));
    EXPECT_EQ(fs.hostPath("C:\\..\\"), host("").chopped(1));
}

TEST_F(PathResolution, BadNamesAreRefused)
{
    EXPECT_EQ(errorOf([&] { fs.readAll(""); }), BadFileNameOrNumber);
    EXPECT_EQ(errorOf([&] { fs.readAll(QString("C:\\a") + QChar(0) + "b"); }), BadFileNameOrNumber);
    EXPECT_EQ(errorOf([&] { fs.readAll("C:\\*.dwg"); }), BadFileNameOrNumber);
    EXPECT_EQ(errorOf([&] { fs.writeAll("C:\\a?.dwg", "x"); }), BadFileNameOrNumber);
    EXPECT_EQ(errorOf([&] { fs.hostPath(""); }), BadFileNameOrNumber);
    EXPECT_FALSE(fs.fileExists(""));
    EXPECT_FALSE(fs.fileExists("C:\\*.*"));
}

TEST_F(PathResolution, TwoSpellingsOfOneFileHaveOneIdentity)
{
    put("Jobs/A101.dwg", "a");
    put("Jobs/Issued/a101.DWG", "copy");
    const QString listed = fs.identity("C:\\Jobs\\A101.dwg");
    EXPECT_FALSE(listed.isEmpty());
    EXPECT_EQ(fs.identity("c:/JOBS/a101.DWG"), listed);
    EXPECT_EQ(fs.identity("C:\\Jobs\\Issued\\..\\.\\A101.dwg"), listed);
    // Drive P: mapped to the same folder reaches the same file.
    fs.driveTable().map(QStringLiteral("P"), host("Jobs"));
    EXPECT_EQ(fs.identity("P:\\A101.DWG"), listed);
    EXPECT_NE(fs.identity("C:\\Jobs\\Issued\\A101.dwg"), listed);
    // Nothing there, or no such drive: no identity, and no error.
    EXPECT_TRUE(fs.identity("C:\\Jobs\\Missing.dwg").isEmpty());
    EXPECT_TRUE(fs.identity("Q:\\A101.dwg").isEmpty());
    EXPECT_TRUE(fs.identity("").isEmpty());
}

TEST_F(PathResolution, TheNameOnDiskIsTheFoldersSpelling)
{
    put("Jobs/a101.DWG", "a");
    EXPECT_EQ(fs.onDiskName("C:\\JOBS\\A101.dwg"), "a101.DWG");
    EXPECT_EQ(fs.onDiskName("C:\\Jobs\\New.dwg"), "New.dwg");
    EXPECT_EQ(fs.onDiskName("Q:\\Jobs\\Some.DWG"), "Some.DWG");
    EXPECT_EQ(fs.onDiskName("C:\\jobs"), "Jobs");
}
