// Batch runs over the example project: the log, the files on disk, archive
// copies, read-only drawings, the two error modes, cancel, and the windows and
// single-document setting afterwards.
#include "PollentFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/files/FileSystem.h"

#include <QPushButton>

namespace pollent::test {
namespace {

const QString A101 = inProject(QStringLiteral("A101.dwg"));
const QString A102 = inProject(QStringLiteral("A102.dwg"));
const QString A103 = inProject(QStringLiteral("A103.dwg"));
const QString A105 = inProject(QStringLiteral("A105.dwg"));
const QString Scratch = QStringLiteral("C:\\Program\\Erace.dwg");

QString opened(const QString& path) { return QStringLiteral("Opened = ") + path + QStringLiteral("        Successful..."); }
QString archived(const QString& path) { return QStringLiteral("Archived = ") + path + QStringLiteral("        Successful..."); }
QString saved(const QString& path)
{
    return QStringLiteral("Saved Drawing = ") + path + QStringLiteral("           Successful...");
}
const QString Purged = QStringLiteral("Purge All =              Successful...");

class BatchRunTest : public PollentTest {
protected:
    BatchRunTest()
    {
        load();
        AttributeSettings& a = form->session().attributes;
        a.BlockName = QStringLiteral("TITLEBLK");
        a.AttTag[0] = QStringLiteral("REV");
        a.AttString[0] = QStringLiteral("X");
    }

    void archiveInto(const QString& location, const QString& name)
    {
        operations([&](OptionSet& o) {
            o.DoArchive = true;
            o.DoAttributes = true;
            o.ArchiveLocation = location;
            o.ArchiveName = name;
        });
    }

    int saves(const QString& path) const
    {
        return host->journal().matching(QStringLiteral("Document.Save ") + path).size();
    }
};

TEST_F(BatchRunTest, WithoutArchivingEachListedDrawingIsChangedAndSavedInPlace)
{
    list({A101, A102});
    operations([](OptionSet& o) {
        o.DoAttributes = true;
        o.DoPurge = true;
    });
    expectDone(msgbox::No);
    run();

    EXPECT_EQ(log(), (QStringList{opened(A101), Purged, saved(A101), QString(), opened(A102), Purged, saved(A102)}));
    EXPECT_TRUE(attributes(*onDisk(A101), QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=X")));
    EXPECT_TRUE(attributes(*onDisk(A102), QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=X")));
    // The question, its caption and buttons; then the main window is back.
    EXPECT_EQ(boxes(), QStringList{QStringLiteral("View Pollent Log|Done with drawings|4")});
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->frmCancel().isVisible());
    EXPECT_EQ(sdi(), 0);
    EXPECT_TRUE(menuItem(QStringLiteral("MnuRunProcessor")).isEnabled());
}

TEST_F(BatchRunTest, WithArchivingTheListedDrawingsStayAsTheyWereAndTheCopiesAreChanged)
{
    const QByteArray before = bytes(A101);
    list({A101, A103});
    archiveInto(QStringLiteral("C:\\Pollent\\"), QStringLiteral("Issued"));
    expectDone(msgbox::Yes);
    run();

    const QString copy1 = inProject(QStringLiteral("Issued\\A101.dwg"));
    const QString copy3 = inProject(QStringLiteral("Issued\\A103.dwg"));
    EXPECT_EQ(log(), (QStringList{opened(A101), archived(copy1), saved(copy1), QString(), opened(A103),
                                  archived(copy3), saved(copy3)}));
    EXPECT_EQ(bytes(A101), before);
    EXPECT_TRUE(attributes(*onDisk(A103), QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=B")));
    EXPECT_TRUE(attributes(*onDisk(copy3), QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=X")));
    // "Yes" shows the log with its button turned into "Exit", which leads back.
    EXPECT_TRUE(form->frmCancel().isVisible());
    EXPECT_EQ(cancelButton().text(), QStringLiteral("Exit"));
    cancelButton().click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->frmCancel().isVisible());
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(cancelButton().text(), QStringLiteral("Cancel..."));
}

TEST_F(BatchRunTest, TheArchiveFolderMustBeAFolderThatExistsOrCanBeMade)
{
    list({A101});
    archiveInto(QStringLiteral("C:\\Nowhere\\"), QStringLiteral("Issued"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Archive Directory Bat  \rC:\\Nowhere\\Issued"));
    run();
    t.files().writeText(QStringLiteral("C:\\Issued"), QStringLiteral("not a folder"));
    archiveInto(QStringLiteral("C:\\"), QStringLiteral("Issued"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Archive Directory Bat  \rC:\\Issued"));
    run();

    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("POLLEN~1"));
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Document.Open")).isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(BatchRunTest, AnArchiveCopyThatWouldReplaceADrawingOrAnEarlierCopyIsNotMade)
{
    t.files().makeFolder(QStringLiteral("C:\\Old"));
    t.files().copyFile(A102, QStringLiteral("C:\\Old\\a102.DWG"));
    const QByteArray before = bytes(A101);
    // The archive folder is the drawings' own folder (the name is empty).
    list({A101});
    archiveInto(QStringLiteral("C:\\Pollent\\"), QString());
    expectDone();
    run();
    EXPECT_EQ(log(), (QStringList{opened(A101), QStringLiteral("Error...          Archive Copy Would Replace A "
                                                             "Listed Drawing = C:\\Pollent\\A101.dwg")}));
    EXPECT_EQ(bytes(A101), before);
    EXPECT_EQ(saves(A101), 0);

    // Two drawings of one file name in one run: the second is not archived.
    menuItem(QStringLiteral("MnuRemoveallDrawing")).trigger();
    logList().clear();
    list({A102, QStringLiteral("C:\\Old\\a102.DWG")});
    archiveInto(QStringLiteral("C:\\Pollent\\"), QStringLiteral("Issued"));
    expectDone();
    run();
    EXPECT_EQ(log().mid(3), (QStringList{QString(), opened(QStringLiteral("C:\\Old\\a102.DWG")),
                                         QStringLiteral("Error...          Archive Copy Of The Same Name Made In "
                                                        "This Run = C:\\Old\\a102.DWG")}));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.SaveAs")).size(), 1);
}

TEST_F(BatchRunTest, AReadOnlyDrawingIsSavedAsTheScratchDrawingWhichGoesOnceTheNextIsOpen)
{
    t.files().setReadOnly(A105, true);
    const QByteArray before = bytes(A105);
    list({A105, A101, A105});
    operations([](OptionSet& o) { o.DoAttributes = true; });
    bool scratchUntilNext = false;
    bool goneWithNext = false;
    t.clock().setDoEventsHook([&] {
        if (t.clock().doEventsCalls() == 1)
            scratchUntilNext = t.files().fileExists(Scratch);
        if (t.clock().doEventsCalls() == 2)
            goneWithNext = !t.files().fileExists(Scratch);
    });
    expectDone();
    run();

    EXPECT_TRUE(scratchUntilNext);
    EXPECT_TRUE(goneWithNext);
    EXPECT_EQ(log().mid(0, 2), (QStringList{opened(A105), QStringLiteral("Error...          File is Read only")}));
    EXPECT_EQ(log().mid(3, 3), (QStringList{opened(A101), saved(A101), QString()}));
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Document.SaveAs C:\\Program\\Erace")));
    EXPECT_EQ(bytes(A105), before);
    // The scratch drawing of the last read-only drawing stays, and it holds the
    // changed drawing.
    EXPECT_TRUE(t.files().fileExists(Scratch));
    EXPECT_TRUE(attributes(*onDisk(Scratch), QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=X")));
    EXPECT_EQ(t.files().listFiles(QStringLiteral("C:\\Program")), QStringList{QStringLiteral("Erace.dwg")});
}

TEST_F(BatchRunTest, AfterTheFirstDrawingAFailedOpenSkipsTheDrawingWithAnErrorLine)
{
    const QString missing = inProject(QStringLiteral("Missing.dwg"));
    list({A101, missing, A102});
    operations([](OptionSet& o) { o.DoAttributes = true; });
    expectDone();
    run();

    EXPECT_EQ(log(), (QStringList{opened(A101), saved(A101), QString(),
                                  QStringLiteral("Error...          Cannot Open = ") + missing, QString(),
                                  opened(A102), saved(A102)}));
    // The drawing still open from before is neither changed again nor saved.
    EXPECT_EQ(saves(A101), 1);
    EXPECT_EQ(host->journal().matching(QStringLiteral("AttributeReference.TextString")).size(), 2);
}

TEST_F(BatchRunTest, InReportModeAFailedOpenIsReportedAndIgnoreSkipsTheDrawing)
{
    list({A101, A102});
    operations([](OptionSet& o) { o.DoPurge = true; });
    host->failures().failNext(QStringLiteral("Document.Open"), cad::err::ExceptionOccurred);
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral("Location: Run_Proccessor"));
    expectDone();
    run();
    EXPECT_EQ(log(), (QStringList{QStringLiteral("Error...          Cannot Open = ") + A101, QString(), opened(A102),
                                  Purged, saved(A102)}));
    EXPECT_EQ(saves(QStringLiteral("C:\\")), 1);
}

TEST_F(BatchRunTest, AFailedArchiveCopyOrArchiveOpenLeavesTheDrawingAlone)
{
    const QByteArray listedBefore = bytes(A102);
    list({A101, A102, A103});
    archiveInto(QStringLiteral("C:\\Pollent\\"), QStringLiteral("Issued"));
    const QString copy3 = inProject(QStringLiteral("Issued\\A103.dwg"));
    // The host fails the call that follows the line the log has just shown.
    QObject::connect(logList().model(), &QAbstractItemModel::rowsInserted, [&] {
        const QString line = log().last();
        if (line == opened(A102))
            host->failures().failNext(QStringLiteral("Document.SaveAs"), cad::err::ExceptionOccurred);
        if (line == archived(copy3))
            host->failures().failNext(QStringLiteral("Document.Open"), cad::err::ExceptionOccurred);
    });
    expectDone();
    run();

    EXPECT_EQ(log().mid(3), (QStringList{QString(), opened(A102), QStringLiteral("Error...          Cannot Archive = ") + A102,
                                         QString(), opened(A103), archived(copy3),
                                         QStringLiteral("Error...          Cannot Open Archive Copy = ") + copy3}));
    EXPECT_EQ(log().mid(0, 1), QStringList{opened(A101)});
    EXPECT_EQ(bytes(A102), listedBefore);
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.Save ")).size(), 1);
}

TEST_F(BatchRunTest, CancelStopsBeforeTheNextDrawingWithTheCommandsBlockedMeanwhile)
{
    list({A101, A102, A103});
    operations([](OptionSet& o) { o.DoPurge = true; });
    bool blocked = false;
    t.clock().setDoEventsHook([&] {
        blocked = !menuItem(QStringLiteral("MnuRunProcessor")).isEnabled() && !menuItem(QStringLiteral("MnuAddDrawing")).isEnabled()
                  && !menuItem(QStringLiteral("MnuScriptSettings")).isEnabled() && !menuItem(QStringLiteral("MnuSortAZ")).isEnabled()
                  && !form->batchForm3().isEnabled() && menuItem(QStringLiteral("MnuExit")).isEnabled();
        if (t.clock().doEventsCalls() == 1)
            cancelButton().click();
    });
    run();

    EXPECT_TRUE(blocked);
    EXPECT_EQ(saves(A101), 1);
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Document.Open C:\\Pollent\\A102")).isEmpty());
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->frmCancel().isVisible());
    EXPECT_EQ(sdi(), 1);  // a cancelled run does not put the mode back
    EXPECT_TRUE(menuItem(QStringLiteral("MnuRunProcessor")).isEnabled());
}

TEST_F(BatchRunTest, ARunNeedsDrawingsOperationsAndSingleDocumentMode)
{
    operations([](OptionSet& o) { o.DoPurge = true; });
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Drawing In List"));
    run();
    list({A101});
    operations([](OptionSet& o) { o.DoPurge = false; });
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Pollent In List"));
    run();
    // Back in multiple-document mode with two drawings open: the run asks
    // the user to close them, as the load does, and opens nothing.
    operations([](OptionSet& o) { o.DoPurge = true; });
    setSdi(0);
    host->addDocument();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Close All Drawings Out\rAnd Try Again Please"));
    run();

    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("Warning!!! No Drawing In List|POLLEN~1|16"),
                                    QStringLiteral("Warning!!! No Pollent In List|POLLEN~1|16"),
                                    QStringLiteral("Please Close All Drawings Out\rAnd Try Again Please|POLLEN~1|64")}));
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Document.Open")).isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(BatchRunTest, ASecondRunSwitchesToSingleDocumentModeAgainAndPutsItBack)
{
    list({A101});
    operations([](OptionSet& o) { o.DoPurge = true; });
    expectDone();
    run();
    EXPECT_EQ(sdi(), 0);
    expectDone();
    run();
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.SetVariable SDI")),
              (QStringList{"Document.SetVariable SDI 1", "Document.SetVariable SDI 0", "Document.SetVariable SDI 1",
                           "Document.SetVariable SDI 0"}));
    // The log of the first run stays above the second's.
    EXPECT_EQ(log().size(), 6);
}

TEST_F(BatchRunTest, AbortInAnErrorReportEndsTheProgramWithTheHostsModePutBack)
{
    list({A101, A102});
    operations([](OptionSet& o) {
        o.DoInsertBlock = true;
        o.UseModelSpace = true;
        o.InsertPath = inProject(QStringLiteral("Missing.dwg"));
    });
    EXPECT_EQ(sdi(), 1);
    t.ui().expectMsgBox(msgbox::Abort, QStringLiteral(" Location: InsertBlocks\r\n"));
    run();
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(sdi(), 0);
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.SetVariable SDI")),
              (QStringList{"Document.SetVariable SDI 1", "Document.SetVariable SDI 0"}));
}

TEST_F(BatchRunTest, ACancelDuringTheLastDrawingEndsTheRunAsAnyOtherCancel)
{
    list({A101, A102});
    operations([](OptionSet& o) { o.DoAttributes = true; });
    t.clock().setDoEventsHook([&] {
        if (t.clock().doEventsCalls() == 2)
            cancelButton().click();
    });
    run();  // no "View Pollent Log" question

    EXPECT_EQ(saves(A102), 1);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->frmCancel().isVisible());
    EXPECT_EQ(sdi(), 1);
    EXPECT_TRUE(menuItem(QStringLiteral("MnuRunProcessor")).isEnabled());
}

TEST_F(BatchRunTest, OneBadInsertPathIsAskedAboutOnceAndLoggedForEveryDrawing)
{
    const QString missing = QStringLiteral("C:\\Pollent\\Standard Blocks\\North Arrow And Stamp.dwg");
    list({A101, A102, A103});
    operations([&](OptionSet& o) {
        o.DoInsertBlock = true;
        o.DoAttributes = true;
        o.UsePaperSpace = true;
        o.InsertPath = missing;
    });
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: InsertBlocks\r\n"));
    expectDone();
    run();

    // The host's reason keeps the path whole, on a line of its own.
    const QStringList boxLines = t.ui().records().first().text.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(boxLines.contains(missing)) << t.ui().records().first().text.toStdString();
    const QStringList errors = log().filter(QStringLiteral("Error..."));
    ASSERT_EQ(errors.size(), 3);
    for (const QString& drawing : {A101, A102, A103}) {
        EXPECT_EQ(errors.filter(QStringLiteral("Insert Block ") + missing + QStringLiteral(" Failed = ") + drawing + u' ')
                      .size(),
                  1)
            << drawing.toStdString();
    }
    EXPECT_TRUE(errors.first().endsWith(missing));
    EXPECT_TRUE(log().filter(QStringLiteral("Insert Block")).filter(QStringLiteral("Successful")).isEmpty());
    // The rest of each drawing's work went on.
    EXPECT_EQ(log().filter(QStringLiteral("Saved Drawing = ")).size(), 3);
    EXPECT_TRUE(attributes(*onDisk(A103), QStringLiteral("TITLEBLK")).contains(QStringLiteral("REV=X")));
}

}  // namespace
}  // namespace pollent::test
