#include "FilesFixture.h"

using namespace files::test;
using namespace runtime::err;

class ReadOnly : public FilesTest {
protected:
    ReadOnly()
    {
        put("Jobs/locked.dwg", "keep me");
        put("Jobs/other.dwg", "other");
        ::chmod(QFile::encodeName(host("Jobs/locked.dwg")).constData(), 0664);
    }
};

TEST_F(ReadOnly, AttributeIsTheAbsenceOfWriteBits)
{
    EXPECT_FALSE(fs.isReadOnly("C:\\Jobs\\locked.dwg"));
    fs.setReadOnly("C:\\JOBS\\LOCKED.DWG", true);
    EXPECT_TRUE(fs.isReadOnly("C:\\Jobs\\locked.dwg"));
    EXPECT_EQ(modeOf("Jobs/locked.dwg"), 0444);

    fs.setReadOnly("C:\\Jobs\\locked.dwg", false);
    EXPECT_FALSE(fs.isReadOnly("C:\\Jobs\\locked.dwg"));
    EXPECT_EQ(modeOf("Jobs/locked.dwg"), 0644);  // the owner's write bit only

    EXPECT_EQ(errorOf([&] { fs.isReadOnly("C:\\Jobs\\none.dwg"); }), FileNotFound);
    EXPECT_EQ(errorOf([&] { fs.setReadOnly("C:\\Gone\\none.dwg", true); }), PathNotFound);
    EXPECT_FALSE(fs.isReadOnly("C:\\Jobs"));
    EXPECT_EQ(errorOf([&] { fs.setReadOnly("C:\\Jobs", true); }), PathFileAccessError);
}

TEST_F(ReadOnly, ReadOnlyFileIsRefusedEvenToRoot)
{
    fs.setReadOnly("C:\\Jobs\\locked.dwg", true);
    EXPECT_EQ(errorOf([&] { fs.writeAll("C:\\Jobs\\locked.dwg", "x"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.writeLines("C:\\Jobs\\locked.dwg", {"x"}); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.deleteFile("C:\\Jobs\\locked.dwg"); }), PathFileAccessError);
    EXPECT_EQ(errorOf([&] { fs.copyFile("C:\\Jobs\\other.dwg", "C:\\Jobs\\locked.dwg"); }), PermissionDenied);
    EXPECT_EQ(bytesOf("Jobs/locked.dwg"), "keep me");

    // Reading and copying from it stay allowed; the copy is read-only too.
    EXPECT_EQ(fs.readAll("C:\\Jobs\\locked.dwg"), "keep me");
    fs.copyFile("C:\\Jobs\\locked.dwg", "C:\\Jobs\\copy.dwg");
    EXPECT_TRUE(fs.isReadOnly("C:\\Jobs\\copy.dwg"));

    // Clearing the attribute first, as the installer does, lets the write in.
    fs.setReadOnly("C:\\Jobs\\locked.dwg", false);
    fs.writeAll("C:\\Jobs\\locked.dwg", "replaced");
    EXPECT_EQ(bytesOf("Jobs/locked.dwg"), "replaced");
}
