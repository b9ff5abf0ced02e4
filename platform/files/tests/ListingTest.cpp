#include "FilesFixture.h"

using namespace files::test;
using namespace runtime::err;

class Listing : public FilesTest {
protected:
    Listing()
    {
        for (const char* name : {"b.DWG", "a.dwg", "C.dwg", "notes.txt", "README", "ab.dwg", ".hidden.dwg",
                                 "x.dwg.bak"})
            put(QString("Jobs/") + name, "");
        makeHostFolder("Jobs/zeta");
        makeHostFolder("Jobs/Alpha");
        makeHostFolder("Jobs/beta.dwg");
        makeHostFolder("Jobs/.git");
    }
};

TEST_F(Listing, PatternIsMatchedWithoutRegardToCase)
{
    EXPECT_EQ(fs.listFiles("C:\\jobs", "*.dwg"), (QStringList{"a.dwg", "ab.dwg", "b.DWG", "C.dwg"}));
    EXPECT_EQ(fs.listFiles("C:\\Jobs\\", "*.DWG"), (QStringList{"a.dwg", "ab.dwg", "b.DWG", "C.dwg"}));
    EXPECT_EQ(fs.listFiles("C:\\Jobs", "?.dwg"), (QStringList{"a.dwg", "b.DWG", "C.dwg"}));
    EXPECT_EQ(fs.listFiles("C:\\Jobs", "a*"), (QStringList{"a.dwg", "ab.dwg"}));
    EXPECT_EQ(fs.listFiles("C:\\Jobs", "*.lay"), QStringList{});
}

TEST_F(Listing, StarDotStarListsEveryVisibleFile)
{
    const QStringList all{"a.dwg", "ab.dwg", "b.DWG", "C.dwg", "notes.txt", "README", "x.dwg.bak"};
    EXPECT_EQ(fs.listFiles("C:\\Jobs", "*.*"), all);
    EXPECT_EQ(fs.listFiles("C:\\Jobs", "*"), all);
    EXPECT_EQ(fs.listFiles("C:\\Jobs"), all);
}

TEST_F(Listing, FoldersAreListedAlphabeticallyWithoutHiddenOnes)
{
    EXPECT_EQ(fs.listFolders("C:\\JOBS"), (QStringList{"Alpha", "beta.dwg", "zeta"}));
    EXPECT_EQ(fs.listFolders("C:\\"), QStringList{"Jobs"});
    EXPECT_EQ(fs.listFolders("C:\\Jobs\\zeta"), QStringList{});
}

TEST_F(Listing, ListingAMissingFolderFails)
{
    EXPECT_EQ(errorOf([&] { fs.listFiles("C:\\Gone", "*.dwg"); }), PathNotFound);
    EXPECT_EQ(errorOf([&] { fs.listFolders("C:\\Jobs\\a.dwg"); }), PathNotFound);
}
