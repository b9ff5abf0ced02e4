// The "Standard Drives" pop-up: up a level, the current project and its
// library, the standard-blocks root and the subfolder items.
#include "FentrowFixture.h"

using namespace fentrow;
using namespace fentrow::test;

namespace {

class MenuTest : public FentrowTest {
protected:
    MenuTest()
    {
        folder(QStringLiteral("P:\\Jobs"));
        folder(QStringLiteral("P:\\Jobs\\A100"));
        folder(QStringLiteral("P:\\Jobs\\A100\\Libraries"));
        folder(QStringLiteral("P:\\Jobs\\B200"));
        folder(QStringLiteral("P:\\Lib"));
        drawing(QStringLiteral("P:\\Jobs\\A100\\Plan.dwg"));
    }

    QAction& action(const char* name) { return c<QAction>(name); }
};

TEST_F(MenuTest, AtADriveRootTheSubfolderItemsLeadOneLevelDown)
{
    start();
    goTo(QStringLiteral("P:\\"));
    EXPECT_EQ(popup(QStringLiteral("Jobs")),
              (QStringList{QStringLiteral("Up One Level"), QStringLiteral("Current Project..."),
                           QStringLiteral("Project Library..."), QStringLiteral("Standard Blocks..."),
                           QStringLiteral("Jobs"), QStringLiteral("Lib")}));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Jobs"));
    EXPECT_EQ(fileList().path(), QStringLiteral("P:\\Jobs"));
    // The items are the new folder's now.
    EXPECT_EQ(popup(QStringLiteral("A100")).mid(3), (QStringList{QStringLiteral("Standard Blocks..."),
                                                                 QStringLiteral("A100"), QStringLiteral("B200")}));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Jobs\\A100"));
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("Plan.dwg")});
    // A folder without subfolders ends the menu with "Standard Blocks...".
    goTo(QStringLiteral("P:\\Lib"));
    EXPECT_EQ(popup(QString()).last(), QStringLiteral("Standard Blocks..."));
}

TEST_F(MenuTest, AFolderNameWithAnAmpersandIsShownAndFollowed)
{
    folder(QStringLiteral("P:\\R&D"));
    start();
    goTo(QStringLiteral("P:\\"));
    popup(QStringLiteral("R&&D"));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\R&D"));
}

TEST_F(MenuTest, UpOneLevelStopsAtTheDrivesRoot)
{
    start();
    goTo(QStringLiteral("P:\\Jobs\\A100"));
    popup(QStringLiteral("Up One Level"));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Jobs"));
    popup(QStringLiteral("Up One Level"));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\"));
    popup(QStringLiteral("Up One Level"));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\"));
    EXPECT_EQ(fileList().path(), QStringLiteral("P:\\"));
}

TEST_F(MenuTest, TheCurrentProjectAndItsLibraryComeFromTheHostAndAreTicked)
{
    setTemplatePath(QStringLiteral("P:\\Jobs\\A100"));
    start();
    popup(QStringLiteral("Current Project..."));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Jobs\\A100"));
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("Plan.dwg")});
    EXPECT_TRUE(action("mnuCurrentProject").isChecked());
    EXPECT_FALSE(action("mnuProjectLibrary").isChecked());

    popup(QStringLiteral("Project Library..."));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Jobs\\A100\\Libraries"));
    EXPECT_FALSE(action("mnuCurrentProject").isChecked());
    EXPECT_TRUE(action("mnuProjectLibrary").isChecked());

    popup(QStringLiteral("Standard Blocks..."));
    EXPECT_FALSE(action("mnuProjectLibrary").isChecked());
}

TEST_F(MenuTest, TheCurrentProjectWithoutTheHostWarnsTwiceAndGoesToDriveC)
{
    setTemplatePath(QStringLiteral("P:\\Jobs\\A100"));
    start();
    goTo(QStringLiteral("P:\\Lib"));
    t.stopHost();
    acad.connection = {};
    popup(QStringLiteral("Current Project..."), {QStringLiteral("Warning!!! AutoCad Not Running..."),
                                                 QStringLiteral("Warning!!! No Project Path Selected")});
    EXPECT_EQ(t.ui().last().style, msgbox::OkOnly);
    EXPECT_EQ(dir().path(), t.files().currentFolder(QStringLiteral("C:")));
    EXPECT_EQ(fileList().path(), dir().path());
    EXPECT_TRUE(action("mnuCurrentProject").isChecked());
}

TEST_F(MenuTest, AProjectWithoutALibrarySaysNoProjectPath)
{
    setTemplatePath(QStringLiteral("P:\\Jobs\\B200"));
    start();
    popup(QStringLiteral("Project Library..."), {QStringLiteral("Warning!!! No Project Path Selected")});
    EXPECT_EQ(dir().path(), t.files().currentFolder(QStringLiteral("C:")));
    EXPECT_TRUE(action("mnuProjectLibrary").isChecked());
}

TEST_F(MenuTest, StandardBlocksGoesToTheRootAndWithoutOneChangesNothing)
{
    start();
    goTo(QStringLiteral("P:\\Jobs"));
    popup(QStringLiteral("Standard Blocks..."));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Jobs"));
    setRoot(QStringLiteral("P:\\Lib"));
    popup(QStringLiteral("Standard Blocks..."));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Lib"));
    // A root that has gone since: the browser stays where it is.
    setRoot(QStringLiteral("P:\\Gone"));
    popup(QStringLiteral("Standard Blocks..."));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Lib"));
}

}  // namespace
