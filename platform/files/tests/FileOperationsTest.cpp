#include "FilesFixture.h"

using namespace files::test;
using namespace runtime::err;

namespace {
constexpr int32_t FileAlreadyExists = 58;
}

class FileOperations : public FilesTest {
protected:
    FileOperations()
    {
        put("Jobs/a.dwg", "drawing a");
        makeHostFolder("Jobs/Empty");
    }
};

TEST_F(FileOperations, ReadingReportsWhatIsMissing)
{
    EXPECT_EQ(errorOf([&] { fs.readAll("C:\\Jobs\\b.dwg"); }), FileNotFound);
    EXPECT_EQ(errorOf([&] { fs.readAll("C:\\Nowhere\\a.dwg"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.readAll("C:\\Jobs\\a.dwg\\x"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.readAll("C:\\Jobs"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.fileLength("C:\\Jobs\\b.dwg"); }), FileNotFound);
    EXPECT_EQ(errorOf([&] { fs.modified("C:\\Nowhere\\b.dwg"); }), PathNotFound);
    EXPECT_EQ(fs.fileLength("C:\\JOBS\\A.DWG"), 9);
    EXPECT_EQ(fs.modified("C:\\Jobs\\a.dwg"), QFileInfo(host("Jobs/a.dwg")).lastModified());
}

TEST_F(FileOperations, WritingNeedsAnExistingFolderAndNotAFolderInTheWay)
{
    EXPECT_EQ(errorOf([&] { fs.writeAll("C:\\Nowhere\\b.dwg", "x"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.writeAll("C:\\Jobs\\Empty", "x"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.writeAll("C:\\", "x"); }), PathFileAccessError);
    EXPECT_TRUE(QFileInfo(host("Jobs/Empty")).isDir());
}

TEST_F(FileOperations, CopyOverwritesAndKeepsTheSourceTime)
{
    put("Jobs/b.dwg", "an older and longer drawing b");
    const QDateTime sourceTime = QDateTime::currentDateTime().addDays(-3);
    QFile source(host("Jobs/a.dwg"));
    ASSERT_TRUE(source.open(QIODevice::ReadWrite));
    source.setFileTime(sourceTime, QFileDevice::FileModificationTime);
    source.close();

    fs.copyFile("c:\\jobs\\A.dwg", "C:\\Jobs\\B.DWG");
    EXPECT_EQ(bytesOf("Jobs/b.dwg"), "drawing a");
    EXPECT_EQ(fs.modified("C:\\Jobs\\b.dwg").toSecsSinceEpoch(), sourceTime.toSecsSinceEpoch());

    fs.copyFile("C:\\Jobs\\a.dwg", "C:\\Jobs\\Empty\\New.dwg");
    EXPECT_EQ(bytesOf("Jobs/Empty/New.dwg"), "drawing a");
}

TEST_F(FileOperations, CopyErrors)
{
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Jobs\\none.dwg", "C:\\Jobs\\b.dwg"); }), FileNotFound);
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Gone\\a.dwg", "C:\\Jobs\\b.dwg"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Jobs\\a.dwg", "C:\\Gone\\b.dwg"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Jobs\\a.dwg", "C:\\Jobs\\Empty"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Jobs\\Empty", "C:\\Jobs\\b.dwg"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Jobs\\*.dwg", "C:\\Jobs\\b.dwg"); }), BadFileNameOrNumber);
    EXPECT_FALSE(QFileInfo::exists(host("Jobs/b.dwg")));
}

TEST_F(FileOperations, DeleteFile)
{
    EXPECT_EQ(errorOf([&] { fs.deleteFile("C:\\Jobs\\none.dwg"); }), FileNotFound);
    EXPECT_EQ(errorOf([&] { fs.deleteFile("C:\\Gone\\a.dwg"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.deleteFile("C:\\Jobs\\Empty"); }), FileNotFound);
    EXPECT_TRUE(QFileInfo(host("Jobs/Empty")).isDir());
    fs.deleteFile("C:\\JOBS\\A.DWG");
    EXPECT_FALSE(QFileInfo::exists(host("Jobs/a.dwg")));
}

TEST_F(FileOperations, RenameMovesButNeverOverwrites)
{
    put("Jobs/b.dwg", "drawing b");
    EXPECT_EQ(errorOf([&] { fs.renameFile("C:\\Jobs\\a.dwg", "C:\\Jobs\\B.dwg"); }), FileAlreadyExists);
    EXPECT_EQ(bytesOf("Jobs/b.dwg"), "drawing b");
    EXPECT_EQ(errorOf([&] { fs.renameFile("C:\\Jobs\\none.dwg", "C:\\Jobs\\c.dwg"); }), FileNotFound);
    EXPECT_EQ(errorOf([&] { fs.renameFile("C:\\Jobs\\a.dwg", "C:\\Gone\\a.dwg"); }), PathNotFound);

    fs.renameFile("C:\\Jobs\\a.dwg", "C:\\Jobs\\Empty\\moved.dwg");
    EXPECT_EQ(bytesOf("Jobs/Empty/moved.dwg"), "drawing a");
    EXPECT_FALSE(QFileInfo::exists(host("Jobs/a.dwg")));
}

TEST_F(FileOperations, RenameCanChangeOnlyTheCase)
{
    fs.renameFile("C:\\Jobs\\a.dwg", "C:\\Jobs\\A.DWG");
    EXPECT_EQ(QDir(host("Jobs")).entryList(QDir::Files), QStringList{"A.DWG"});
}

TEST_F(FileOperations, MakeFolderMakesOneLevel)
{
    fs.makeFolder("C:\\jobs\\Archive");
    EXPECT_TRUE(QFileInfo(host("Jobs/Archive")).isDir());
    fs.makeFolder("C:\\jobs\\Issued\\");
    EXPECT_TRUE(QFileInfo(host("Jobs/Issued")).isDir());
    EXPECT_EQ(errorOf([&] { fs.makeFolder("C:\\Jobs\\ARCHIVE"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.makeFolder("C:\\Jobs\\a.dwg"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.makeFolder("C:\\New\\Deeper"); }), PathNotFound);
    EXPECT_FALSE(QFileInfo::exists(host("New")));
}

TEST_F(FileOperations, RemoveFolderTakesOnlyAnEmptyFolder)
{
    EXPECT_EQ(errorOf([&] { fs.removeFolder("C:\\Jobs"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.removeFolder("C:\\Jobs\\a.dwg"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.removeFolder("C:\\Jobs\\Gone"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.removeFolder("C:\\"); }), PathFileAccessError);
    put("Jobs/Empty/.hidden", "");
    EXPECT_EQ(errorOf([&] { fs.removeFolder("C:\\Jobs\\Empty"); }), PathFileAccessError);
    QFile::remove(host("Jobs/Empty/.hidden"));
    fs.removeFolder("C:\\JOBS\\empty");
    EXPECT_FALSE(QFileInfo::exists(host("Jobs/Empty")));
}
