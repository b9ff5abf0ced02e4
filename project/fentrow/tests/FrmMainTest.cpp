// The browser's start, its preview and release of a clicked drawing, one copy
// at a time, the standard-blocks root and the hand-over to the xref manager.
#include "FentrowFixture.h"

#include "platform/testing/LayoutCheck.h"

#include <QFile>

using namespace fentrow;
using namespace fentrow::test;

namespace {

using StartTest = FentrowTest;

TEST_F(StartTest, ShowsEveryCaptionWhole)
{
    EXPECT_EQ(testing_env::layoutFaults(start(), QStringLiteral("fentrow-main")), QStringList());
}

TEST_F(StartTest, WithoutARootTheBrowserStartsOnDriveCAndShowsTheProject)
{
    const QFile installed(QStringLiteral(SUITE_INSTALLER_DATA "/Fentrow.ini"));
    QFile file(installed.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, QByteArray("[ProjectPath]\r\n"));
    EXPECT_EQ(bytes.size(), 15);
    t.files().writeAll(IniFile, bytes);
    setTemplatePath(QStringLiteral("P:\\Jobs\\A100"));

    FrmMain& f = start();
    EXPECT_EQ(f.caption(), QStringLiteral("Fentrowal... (Right Click List Box For Menu)"));
    EXPECT_EQ(c<QLabel>("Panel2").text(), QStringLiteral("ProjectPath:  P:\\Jobs\\A100"));
    EXPECT_EQ(dir().path(), t.files().currentFolder(QStringLiteral("C:")));
    EXPECT_EQ(c<forms::DriveListBox>("Drive1").drive(), QStringLiteral("c:"));
    EXPECT_EQ(fileList().pattern(), QStringLiteral("*.DWG"));
    EXPECT_EQ(fileList().path(), dir().path());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(StartTest, AnEmptyProjectFolderShowsDriveC)
{
    start();
    EXPECT_EQ(c<QLabel>("Panel2").text(), QStringLiteral("ProjectPath:  C:\\"));
}

TEST_F(StartTest, AStoredRootIsWhereTheBrowserStarts)
{
    folder(QStringLiteral("P:\\Blocks"));
    folder(QStringLiteral("P:\\Blocks\\Doors"));
    drawing(QStringLiteral("P:\\Blocks\\Chair.dwg"));
    t.files().writeAll(QStringLiteral("P:\\Blocks\\notes.txt"), "x");
    setRoot(QStringLiteral("P:\\Blocks"));
    start();
    EXPECT_EQ(c<forms::DriveListBox>("Drive1").drive(), QStringLiteral("p:"));
    EXPECT_EQ(dir().path(), QStringLiteral("P:\\Blocks"));
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("Chair.dwg")});
    EXPECT_EQ(popup(QString()).last(), QStringLiteral("Doors"));
}

TEST_F(StartTest, WithoutTheHostItSaysSoPlainlyAndBrowsesDriveCEvenWithARoot)
{
    folder(QStringLiteral("P:\\Blocks"));
    setRoot(QStringLiteral("P:\\Blocks"));
    t.stopHost();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! AutoCad Not Running..."));
    start();
    EXPECT_EQ(t.ui().last().style, msgbox::OkOnly);
    EXPECT_EQ(dir().path(), t.files().currentFolder(QStringLiteral("C:")));
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(StartTest, ASecondCopySaysTheFirstIsRunningAndDoesNotStart)
{
    runtime::SingleInstance elsewhere(t.instanceFolder());
    ASSERT_TRUE(elsewhere.claim(QStringLiteral("Fentrow")));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Fentrowal Already running..."));
    EXPECT_FALSE(acad.firstCopy());
    EXPECT_EQ(t.ui().last().style, msgbox::Information);
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Fentrow"));
}

using PreviewTest = FentrowTest;

TEST_F(PreviewTest, AClickShowsThePreviewAndReleaseAndNeverLeavesThePreviousOnes)
{
    folder(QStringLiteral("P:\\Jobs"));
    previewFile(QStringLiteral("P:\\Jobs\\A.dwg"));
    drawing(QStringLiteral("P:\\Jobs\\B.dwg"));
    DwgBytes damaged;
    damaged.tag = "AC1009";
    damaged.parts = {{1, "H"}, {2, DwgBytes::bitmap(5, 3, QList<quint8>(15, 7))}};
    QByteArray lying = damaged.build();
    DwgBytes::put(lying, DwgBytes::sizeAt(1), 1 << 20);
    t.files().writeAll(QStringLiteral("P:\\Jobs\\C.dwg"), lying);
    start();
    goTo(QStringLiteral("P:\\Jobs"));

    clickFile(QStringLiteral("A.dwg"));
    EXPECT_EQ(label1(), QStringLiteral("P:\\Jobs\\A.dwg"));
    EXPECT_EQ(pic().image().size(), QSize(5, 3));
    EXPECT_EQ(pic().image().pixel(2, 1) | 0xFF000000u, qRgb(7, 7, 7));
    EXPECT_EQ(version(), QStringLiteral("R15"));

    // The host's own drawing holds no thumbnail yet.
    clickFile(QStringLiteral("B.dwg"));
    EXPECT_TRUE(pic().image().isNull());
    EXPECT_EQ(pic().text(), QStringLiteral("No Preview"));
    EXPECT_EQ(version(), QStringLiteral("R15"));

    clickFile(QStringLiteral("A.dwg"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("outside the file"));
    clickFile(QStringLiteral("C.dwg"));
    EXPECT_EQ(t.ui().last().style, msgbox::OkOnly);
    EXPECT_TRUE(pic().image().isNull());
    EXPECT_EQ(pic().text(), QStringLiteral("No Preview"));
    EXPECT_EQ(version(), QStringLiteral("Unknown"));
}

TEST_F(PreviewTest, AFileGoneSinceItWasListedShowsNoPreviewAndAnUnknownRelease)
{
    previewFile(QStringLiteral("P:\\A.dwg"), "AC1014");
    previewFile(QStringLiteral("P:\\B.dwg"));
    start();
    goTo(QStringLiteral("P:\\"));
    clickFile(QStringLiteral("A.dwg"));
    EXPECT_EQ(label1(), QStringLiteral("P:\\A.dwg"));  // a drive root keeps one separator
    EXPECT_EQ(version(), QStringLiteral("R14"));
    t.files().deleteFile(QStringLiteral("P:\\B.dwg"));
    clickFile(QStringLiteral("B.dwg"));
    EXPECT_EQ(label1(), QStringLiteral("P:\\B.dwg"));
    EXPECT_TRUE(pic().image().isNull());
    EXPECT_EQ(pic().text(), QStringLiteral("No Preview"));
    EXPECT_EQ(version(), QStringLiteral("Unknown"));
}

TEST_F(PreviewTest, ADragOutOfTheListCopies)
{
    start();
    EXPECT_EQ(fileList().dragActions(), Qt::CopyAction);
}

using CommandTest = FentrowTest;

TEST_F(CommandTest, SetupStandardBlocksStoresTheChosenRootAndACancelKeepsIt)
{
    t.files().writeAll(IniFile, "[ProjectPath]\r\n");
    start();
    t.ui().expectFolder(QStringLiteral("P:\\Blocks"));
    click("OpenDrawing");
    EXPECT_EQ(t.ui().last().title, QStringLiteral("C:\\"));
    EXPECT_EQ(acad.standardBlocksRoot(), QStringLiteral("P:\\Blocks"));
    EXPECT_EQ(t.files().readAll(IniFile), QByteArray("[ProjectPath]\r\nPath=P:\\Blocks\r\n"));

    t.ui().expectFolder(QString());
    click("OpenDrawing");
    EXPECT_EQ(acad.standardBlocksRoot(), QStringLiteral("P:\\Blocks"));
    EXPECT_EQ(c<QPushButton>("OpenDrawing").text(), QStringLiteral("    Setup Standard               Blocks"));
}

TEST_F(CommandTest, ALongRootIsReadToTwoHundredFiftyFourCharacters)
{
    setRoot(QString(300, QChar(u'x')));
    EXPECT_EQ(acad.standardBlocksRoot().size(), 254);
}

TEST_F(CommandTest, ThePictureHandsOverToTheXrefManagerAndEnds)
{
    start();
    host->journal().clear();
    click("Picture2");
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Document.SendCommand XREF\r")))
        << host->journal().entries().join(u'|').toStdString();
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(CommandTest, ExitEnds)
{
    start();
    click("Exit");
    EXPECT_TRUE(t.dispatcher().ended());
}

}  // namespace
