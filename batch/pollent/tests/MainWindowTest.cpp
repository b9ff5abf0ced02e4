// The main window: its load (attach, project folder, single-document mode),
// its ways out, the drawing list commands, its pop-up menus, and the picker's
// hand-over into the list.
#include "PollentFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/testing/Controls.h"
#include "shared/PickFilesForm.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace pollent::test {
namespace {

class MainWindowTest : public PollentTest {
protected:
    QStringList listed() const { return form->drawingList(); }

    QStringList sdiWrites() const { return host->journal().matching(QStringLiteral("Document.SetVariable SDI")); }

    void closeMainWindow() { form->close(); }

    static void rightClick(QWidget* widget, Qt::MouseButton button = Qt::RightButton)
    {
        const QPointF at(5, 5);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }
};

TEST_F(MainWindowTest, LoadShowsTheListsAndProjectAndSwitchesToSingleDocumentMode)
{
    load();
    EXPECT_EQ(form->caption(), QStringLiteral("Pollent Processor\\Archive Drawings"));
    EXPECT_EQ(form->ListView1->headerItem()->text(0),
              QStringLiteral("Drawing List                     Right click on listbox for menu"));
    EXPECT_EQ(form->ListView2->headerItem()->text(0),
              QStringLiteral("Pollent  (What to with the drawings)  Right click on listbox for menu"));
    EXPECT_EQ(form->ListView1->toolTip(), QStringLiteral("Right Click For Menu"));
    EXPECT_EQ(form->Panel1->text(), QStringLiteral("AutoCad: Running...."));
    EXPECT_EQ(form->Panel2->text(), QStringLiteral("ProjectPath:  C:\\Pollent"));
    EXPECT_EQ(sdi(), 1);
    const OptionSet& o = form->session().options;
    EXPECT_EQ(o.ArchiveLocation, QStringLiteral("C:\\Pollent\\"));
    EXPECT_EQ(o.ArchiveName, QStringLiteral("Issued"));
    EXPECT_EQ(o.InsertScale, QStringLiteral("1"));

    // Closing the window puts the mode back as it was read, and ends.
    closeMainWindow();
    EXPECT_EQ(sdiWrites(), (QStringList{"Document.SetVariable SDI 1", "Document.SetVariable SDI 0"}));
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(MainWindowTest, AHostAlreadyInSingleDocumentModeIsLeftAsItIsAndGetsItsValueBack)
{
    setSdi(1);
    setProjectFolder(QString());
    load();
    EXPECT_TRUE(sdiWrites().isEmpty());
    EXPECT_EQ(form->Panel2->text(), QStringLiteral("ProjectPath:  C:\\"));
    EXPECT_EQ(form->session().options.ArchiveLocation, QStringLiteral("C:\\"));
    form->MnuExit->trigger();
    EXPECT_EQ(sdiWrites(), QStringList{QStringLiteral("Document.SetVariable SDI 1")});
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(MainWindowTest, WithSeveralDrawingsOpenTheUserIsAskedToCloseThemAndTheModeStays)
{
    host->addDocument();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Close All Drawings Out\rAnd Try Again Please"));
    load();
    EXPECT_EQ(t.ui().last().style, msgbox::Information);
    EXPECT_EQ(sdi(), 0);
    form->RunWindow->close();  // the run window's close box ends the program too
    EXPECT_EQ(sdiWrites(), QStringList{QStringLiteral("Document.SetVariable SDI 0")});
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(MainWindowTest, AModeThatWasNeverReadIsNeverWrittenBack)
{
    host->failures().failNext(QStringLiteral("Document.GetVariable"), cad::err::ExceptionOccurred);
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: Form_Load\r\n"));
    load();
    EXPECT_FALSE(form->session().SavedSdi.has_value());
    EXPECT_EQ(form->session().options.ArchiveName, QStringLiteral("Issued"));
    closeMainWindow();
    EXPECT_TRUE(sdiWrites().isEmpty());
}

TEST_F(MainWindowTest, WithoutAHostNoEndsTheProgramAndYesStartsOne)
{
    t.stopHost();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running\r\nDescription: "));
    t.ui().expectMsgBox(msgbox::No, QStringLiteral("Open AutoCAD To Continue"));
    load();
    EXPECT_EQ(t.ui().records().first().caption, QStringLiteral("Error# 429"));
    EXPECT_EQ(t.ui().records().first().style, msgbox::Critical);
    EXPECT_EQ(t.ui().last().style, msgbox::YesNo);
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(MainWindowTest, AnsweringYesToTheMissingHostStartsOneAndTheLoadGoesOnWithIt)
{
    t.stopHost();
    const std::shared_ptr<standin::Host> started = standin::Host::create(t.files());
    t.hosts().registerFactory(cad::HostClassName, [&] {
        started->addDocument();
        t.hosts().registerRunning(cad::HostClassName, started);
        return started;
    });
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running"));
    t.ui().expectMsgBox(msgbox::Yes, QStringLiteral("Open AutoCAD To Continue"));
    load();
    EXPECT_FALSE(t.dispatcher().ended());
    EXPECT_EQ(form->session().connection.application, started);
    EXPECT_EQ(form->Panel2->text(), QStringLiteral("ProjectPath:  C:\\"));
    EXPECT_EQ(started->context().appVariable(QStringLiteral("SDI")).toInt(), 1);
}

TEST_F(MainWindowTest, DrawingListCommands)
{
    load();
    list({QStringLiteral("C:\\b.dwg"), QStringLiteral("C:\\A.dwg"), QStringLiteral("C:\\b.dwg"),
          QStringLiteral("C:\\c.dwg")});
    EXPECT_EQ(listed(), (QStringList{"C:\\b.dwg", "C:\\A.dwg", "C:\\b.dwg", "C:\\c.dwg"}));
    EXPECT_FALSE(form->ListView1->topLevelItem(0)->icon(0).isNull());

    form->MnuSortZA->trigger();
    EXPECT_EQ(listed(), (QStringList{"C:\\c.dwg", "C:\\b.dwg", "C:\\b.dwg", "C:\\A.dwg"}));
    form->MnuSortAZ->trigger();
    EXPECT_EQ(listed(), (QStringList{"C:\\A.dwg", "C:\\b.dwg", "C:\\b.dwg", "C:\\c.dwg"}));

    // Nothing selected: nothing removed, nothing said.
    form->ListView1->clearSelection();
    form->MnuRemoveDrawing->trigger();
    EXPECT_EQ(listed().size(), 4);
    form->ListView1->topLevelItem(1)->setSelected(true);
    form->MnuRemoveDrawing->trigger();
    EXPECT_EQ(listed(), (QStringList{"C:\\A.dwg", "C:\\b.dwg", "C:\\c.dwg"}));

    form->MnuRemoveallDrawing->trigger();
    EXPECT_TRUE(listed().isEmpty());
    form->MnuRemoveallDrawing->trigger();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Drawing In List"));
    form->MnuRemoveDrawing->trigger();
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
}

TEST_F(MainWindowTest, RightButtonReleasesPopUpTheMenusAndOtherButtonsDoNothing)
{
    load();
    list({QStringLiteral("C:\\a.dwg")});
    t.ui().expectPopup(QStringLiteral("Remove (All)"));
    rightClick(form->ListView1->viewport());
    EXPECT_EQ(t.ui().last().items, (QStringList{"Add Drawing", "Remove Drawing", "Remove (All)", "Sort A-Z", "Sort Z-A"}));
    EXPECT_TRUE(listed().isEmpty());
    rightClick(form->ListView1->viewport(), Qt::LeftButton);

    t.ui().expectPopup(QStringLiteral("Pollent Options"));
    rightClick(form->ListView2->viewport());
    EXPECT_TRUE(form->Options->isVisible());

    t.ui().expectPopup(QString());
    rightClick(form->Panel2);
    EXPECT_EQ(t.ui().last().items, (QStringList{"Run Processor", "Exit"}));
    EXPECT_EQ(t.ui().records().size(), 3);
}

TEST_F(MainWindowTest, ThePickerHandsOverFullPathsFromADriveRootAndFromAFolder)
{
    const QString p = t.drive(QStringLiteral("P"));
    QDir(p).mkpath(QStringLiteral("Jobs"));
    for (const char* file : {"a.dwg", "b.dwg", "Jobs/a.dwg", "Jobs/b.dwg"})
        t.files().writeText(QStringLiteral("P:\\") + QString::fromLatin1(file), QStringLiteral("x"));
    load();
    form->MnuAddDrawing->trigger();
    suite::PickFilesForm& picker = *form->BatchForm2;
    ASSERT_TRUE(picker.isVisible());
    auto& files = testing_env::control<forms::FileListBox>(picker, "File1");
    EXPECT_EQ(files.path(), QStringLiteral("P:\\"));
    files.setSelected(0, true);
    files.setSelected(1, true);
    testing_env::control<QAction>(picker, "MnuAddToList").trigger();
    testing_env::control<forms::DirListBox>(picker, "Dir1").setPath(QStringLiteral("P:\\Jobs"));
    files.setSelected(1, true);
    testing_env::control<QPushButton>(picker, "Accept").click();

    EXPECT_EQ(listed(), (QStringList{"P:\\a.dwg", "P:\\b.dwg", "P:\\Jobs\\b.dwg"}));
    EXPECT_FALSE(picker.isVisible());
}

TEST_F(MainWindowTest, ThePickersDriveMenuFallsBackToCAndKnowsTheProject)
{
    load();
    form->MnuAddDrawing->trigger();
    suite::PickFilesForm& picker = *form->BatchForm2;
    const auto& files = testing_env::control<forms::FileListBox>(picker, "File1");
    EXPECT_EQ(files.path(), QStringLiteral("C:\\"));
    testing_env::control<QAction>(picker, "MnuProject").trigger();
    EXPECT_EQ(files.path(), QStringLiteral("C:\\Pollent"));
    testing_env::control<QAction>(picker, "Mnup").trigger();  // no drive P: here
    EXPECT_EQ(files.path(), QStringLiteral("C:\\"));
}

}  // namespace
}  // namespace pollent::test
