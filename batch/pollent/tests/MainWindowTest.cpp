// The main window: its load (attach, project folder, single-document mode),
// its ways out, the drawing list commands, its pop-up menus, and the picker's
// hand-over into the list.
#include "PollentFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/testing/Controls.h"
#include "platform/testing/LayoutCheck.h"
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
    QStringList listed() const { return form->drawings().paths(); }

    QString heading(const QString& view) const
    {
        return listView(view).model()->headerData(0, Qt::Horizontal).toString();
    }

    QLabel& panel(const QString& name) const { return testing_env::control<QLabel>(*form, name); }

    // Selects a row of the drawing list as a click would; -1 selects nothing.
    void select(int row) const
    {
        QTreeView& view = listView(QStringLiteral("ListView1"));
        if (row < 0)
            view.clearSelection();
        else
            view.selectionModel()->select(view.model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    }

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
    EXPECT_EQ(heading(QStringLiteral("ListView1")),
              QStringLiteral("Drawing List                     Right click on listbox for menu"));
    EXPECT_EQ(heading(QStringLiteral("ListView2")),
              QStringLiteral("Pollent  (What to with the drawings)  Right click on listbox for menu"));
    EXPECT_EQ(listView(QStringLiteral("ListView1")).toolTip(), QStringLiteral("Right Click For Menu"));
    EXPECT_EQ(panel(QStringLiteral("Panel1")).text(), QStringLiteral("AutoCad: Running...."));
    EXPECT_EQ(panel(QStringLiteral("Panel2")).text(), QStringLiteral("ProjectPath:  C:\\Pollent"));
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
    EXPECT_EQ(panel(QStringLiteral("Panel2")).text(), QStringLiteral("ProjectPath:  C:\\"));
    EXPECT_EQ(form->session().options.ArchiveLocation, QStringLiteral("C:\\"));
    menuItem(QStringLiteral("MnuExit")).trigger();
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
    form->frmCancel().close();  // the run window's close box ends the program too
    EXPECT_EQ(sdiWrites(), QStringList{QStringLiteral("Document.SetVariable SDI 0")});
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(MainWindowTest, AModeThatWasNeverReadIsNeverWrittenBack)
{
    host->failures().failNext(QStringLiteral("Document.GetVariable"), cad::err::ExceptionOccurred);
    t.ui().expectMsgBox(msgbox::Ignore, QStringLiteral(" Location: Form_Load\r\n"));
    load();
    EXPECT_FALSE(form->session().singleDocument.saved().has_value());
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
    EXPECT_EQ(panel(QStringLiteral("Panel2")).text(), QStringLiteral("ProjectPath:  C:\\"));
    EXPECT_EQ(started->context().appVariable(QStringLiteral("SDI")).toInt(), 1);
}

TEST_F(MainWindowTest, DrawingListCommands)
{
    load();
    list({QStringLiteral("C:\\b.dwg"), QStringLiteral("C:\\A.dwg"), QStringLiteral("C:\\b.dwg"),
          QStringLiteral("C:\\c.dwg")});
    EXPECT_EQ(listed(), (QStringList{"C:\\b.dwg", "C:\\A.dwg", "C:\\b.dwg", "C:\\c.dwg"}));
    EXPECT_FALSE(listView(QStringLiteral("ListView1")).model()->index(0, 0).data(Qt::DecorationRole).isNull());

    menuItem(QStringLiteral("MnuSortZA")).trigger();
    EXPECT_EQ(listed(), (QStringList{"C:\\c.dwg", "C:\\b.dwg", "C:\\b.dwg", "C:\\A.dwg"}));
    menuItem(QStringLiteral("MnuSortAZ")).trigger();
    EXPECT_EQ(listed(), (QStringList{"C:\\A.dwg", "C:\\b.dwg", "C:\\b.dwg", "C:\\c.dwg"}));

    // Nothing selected: nothing removed, nothing said.
    select(-1);
    menuItem(QStringLiteral("MnuRemoveDrawing")).trigger();
    EXPECT_EQ(listed().size(), 4);
    select(1);
    menuItem(QStringLiteral("MnuRemoveDrawing")).trigger();
    EXPECT_EQ(listed(), (QStringList{"C:\\A.dwg", "C:\\b.dwg", "C:\\c.dwg"}));

    menuItem(QStringLiteral("MnuRemoveallDrawing")).trigger();
    EXPECT_TRUE(listed().isEmpty());
    menuItem(QStringLiteral("MnuRemoveallDrawing")).trigger();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Drawing In List"));
    menuItem(QStringLiteral("MnuRemoveDrawing")).trigger();
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
}

TEST_F(MainWindowTest, RightButtonReleasesPopUpTheMenusAndOtherButtonsDoNothing)
{
    load();
    list({QStringLiteral("C:\\a.dwg")});
    t.ui().expectPopup(QStringLiteral("Remove (All)"));
    rightClick(listView(QStringLiteral("ListView1")).viewport());
    EXPECT_EQ(t.ui().last().items, (QStringList{"Add Drawing", "Remove Drawing", "Remove (All)", "Sort A-Z", "Sort Z-A"}));
    EXPECT_TRUE(listed().isEmpty());
    rightClick(listView(QStringLiteral("ListView1")).viewport(), Qt::LeftButton);

    t.ui().expectPopup(QStringLiteral("Pollent Options"));
    rightClick(listView(QStringLiteral("ListView2")).viewport());
    EXPECT_TRUE(form->batchForm3().isVisible());

    t.ui().expectPopup(QString());
    rightClick(&panel(QStringLiteral("Panel2")));
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
    menuItem(QStringLiteral("MnuAddDrawing")).trigger();
    suite::PickFilesForm& picker = form->batchForm2();
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
    menuItem(QStringLiteral("MnuAddDrawing")).trigger();
    suite::PickFilesForm& picker = form->batchForm2();
    const auto& files = testing_env::control<forms::FileListBox>(picker, "File1");
    EXPECT_EQ(files.path(), QStringLiteral("C:\\"));
    testing_env::control<QAction>(picker, "MnuProject").trigger();
    EXPECT_EQ(files.path(), QStringLiteral("C:\\Pollent"));
    testing_env::control<QAction>(picker, "Mnup").trigger();  // no drive P: here
    EXPECT_EQ(files.path(), QStringLiteral("C:\\"));
}

TEST_F(MainWindowTest, YesWithNoHostToStartSaysSoAndLeavesTheStatusAlone)
{
    // No host running yet; the one the test holds starts later.
    t.hosts().unregisterRunning(cad::HostClassName);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running"));
    t.ui().expectMsgBox(msgbox::Yes, QStringLiteral("Open AutoCAD To Continue"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("could not be started"));
    load();
    EXPECT_FALSE(t.dispatcher().ended());
    EXPECT_TRUE(form->isVisible());
    EXPECT_NE(panel(QStringLiteral("Panel1")).text(), QStringLiteral("AutoCad: Running...."));
    EXPECT_EQ(form->session().connection.document, nullptr);
    EXPECT_TRUE(boxes().filter(QStringLiteral(" Location: ")).isEmpty());
    EXPECT_EQ(boxes().size(), 3);

    // A run attaches again and stops as quietly when there is still none.
    list({inProject(QStringLiteral("A101.dwg"))});
    operations([](OptionSet& o) { o.DoPurge = true; });
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running"));
    t.ui().expectMsgBox(msgbox::Yes, QStringLiteral("Open AutoCAD To Continue"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("could not be started"));
    menuItem(QStringLiteral("MnuRunProcessor")).trigger();
    EXPECT_TRUE(boxes().filter(QStringLiteral(" Location: ")).isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_NE(panel(QStringLiteral("Panel1")).text(), QStringLiteral("AutoCad: Running...."));

    // Once a host runs, the next run attaches to it and the status says so.
    t.hosts().registerRunning(cad::HostClassName, host);
    expectDone();
    menuItem(QStringLiteral("MnuRunProcessor")).trigger();
    EXPECT_EQ(panel(QStringLiteral("Panel1")).text(), QStringLiteral("AutoCad: Running...."));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.Save ")).size(), 1);
}

TEST_F(MainWindowTest, EveryWindowShowsEveryCaptionWhole)
{
    load();
    EXPECT_EQ(testing_env::layoutFaults(*form, QStringLiteral("pollent-main")), QStringList());
    const std::pair<QWidget*, QString> windows[] = {
        {&form->batchForm3(), QStringLiteral("pollent-options")},
        {&form->frmBatchSettings(), QStringLiteral("pollent-attribute-settings")},
        {&form->about(), QStringLiteral("pollent-about")},
        {&form->frmCancel(), QStringLiteral("pollent-run")},
    };
    for (const auto& [window, name] : windows) {
        SCOPED_TRACE(name.toStdString());
        window->show();
        EXPECT_EQ(testing_env::layoutFaults(*window, name), QStringList());
        window->hide();
    }
}

}  // namespace
}  // namespace pollent::test
