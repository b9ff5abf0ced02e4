#include "DrosselFixture.h"

#include "batch/drossel/FrmCancel.h"
#include "batch/drossel/FrmSetting.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/Caption.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/Twips.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/testing/LayoutCheck.h"
#include "shared/EditableFileList.h"
#include "shared/PickFilesForm.h"
#include "shared/SingleDocumentMode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include <sys/stat.h>

using namespace drossel;
using namespace drossel::test;

using FrmAplotTest = DrosselTest;

TEST_F(FrmAplotTest, LoadShowsTheStoredChoicesAndWritesScaleAndCentringIntoTheDrawing)
{
    setUpButton(2, Laser, Letter, QStringLiteral("Letter"));
    saveSetting(DrosselSettings::Scaleit2, QStringLiteral("1:2"));
    saveSetting(DrosselSettings::Center, QStringLiteral("True"));
    document->setVariable(QStringLiteral("SDI"), 1);
    start();

    EXPECT_EQ(form->caption(), QStringLiteral("Drossel   (Right Click On Printer Buttons To Setup)   "));
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", 0).text(), QStringLiteral("8.5 x 11"));
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", 2).text(), QStringLiteral("Letter"));
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", 3).toolTip(), QStringLiteral("Right Click For Settings."));
    EXPECT_EQ(form->heightTwips(), FrmAplot::CompactHeight);
    EXPECT_EQ(module->sdi().saved(), 1);
    EXPECT_EQ(control<QComboBox>(*form, "PenStyles").currentText(), QStringLiteral("monochrome.ctb"));
    EXPECT_EQ(control<QComboBox>(*form, "Scaleit").currentText(), QStringLiteral("1:2"));
    EXPECT_EQ(control<QComboBox>(*form, "Scaleit").count(), 3);
    EXPECT_TRUE(control<QCheckBox>(*form, "ChkCenter").isChecked());
    EXPECT_EQ(activeLayout().standardScale, cad::standardScale::OneToTwo);
    EXPECT_TRUE(activeLayout().center);

    control<QPushButton>(*form, "CmdMore").click();
    EXPECT_EQ(form->heightTwips(), FrmAplot::FullHeight);
    control<QPushButton>(*form, "CmdMore").click();
    EXPECT_EQ(form->heightTwips(), FrmAplot::CompactHeight);
}

TEST_F(FrmAplotTest, EveryWindowFitsItsCaptionAndTheMainWindowHasItsTwoHeights)
{
    start();
    // The caption bar and borders are not part of the window's client height.
    const int nonClient = 405;
    EXPECT_GE(form->width(), forms::captionWidth(*form));
    EXPECT_EQ(form->height(), forms::twipsToPixels(FrmAplot::CompactHeight - nonClient));
    EXPECT_FALSE(control<QListView>(*form, "LstDwg").isVisible());
    EXPECT_EQ(testing_env::layoutFaults(*form, QStringLiteral("drossel-compact")), QStringList());
    control<QPushButton>(*form, "CmdMore").click();
    EXPECT_EQ(form->height(), forms::twipsToPixels(FrmAplot::FullHeight - nonClient));
    EXPECT_TRUE(control<QListView>(*form, "LstDwg").isVisible());
    // The options fit at the full height without being squeezed.
    EXPECT_GE(form->height(), form->minimumSizeHint().height());
    EXPECT_EQ(testing_env::layoutFaults(*form, QStringLiteral("drossel-full")), QStringList());

    form->cancelWindow().show();
    EXPECT_GE(form->cancelWindow().width(), forms::captionWidth(form->cancelWindow()));
    EXPECT_EQ(testing_env::layoutFaults(form->cancelWindow(), QStringLiteral("drossel-cancel")), QStringList());
    form->settingsWindow().show();
    EXPECT_EQ(testing_env::layoutFaults(form->settingsWindow(), QStringLiteral("drossel-settings")), QStringList());
}

TEST_F(FrmAplotTest, AStoredScaleTextOtherThanTheItemsKeepsScaleToFit)
{
    saveSetting(DrosselSettings::Scaleit2, QStringLiteral("1:4"));
    start();
    EXPECT_EQ(control<QComboBox>(*form, "Scaleit").currentText(), QStringLiteral("Scale To Fit"));
}

TEST_F(FrmAplotTest, ClosingTheWindowPutsTheModeBackAndEndsTheProgram)
{
    start();
    document->setVariable(QStringLiteral("SDI"), 1);
    form->close();
    EXPECT_EQ(host->context().appVariable(QStringLiteral("SDI")).toInt(), 0);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(FrmAplotTest, WithoutADrawingTheProgramSaysSoAndEnds)
{
    host->closeDocument(document);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    start();
    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(FrmAplotTest, APaperButtonWithoutADrawingReportsPrinterSub)
{
    start();
    host->closeDocument(document);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("  PrinterSub"));
    press(0);
    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
    EXPECT_TRUE(module->PaperKey.isEmpty());
}

TEST_F(FrmAplotTest, TheDrawingListSortsPickedFilesAndDeleteAnsweredNoKeepsTheRow)
{
    for (const char* name : {"Zeta.dwg", "alpha.dwg", "Mid.dwg"})
        writeDrawing(QStringLiteral("C:\\Jobs\\") + QLatin1String(name));
    saveSetting(DrosselSettings::PickFiles, QStringLiteral("C:\\Jobs"));
    start();
    control<QPushButton>(*form, "cmdPickFiles").click();
    suite::PickFilesForm& picker = form->pickFilesWindow();
    ASSERT_TRUE(picker.isVisible());
    EXPECT_TRUE(forms::isTopMost(&picker));
    EXPECT_EQ(testing_env::control<forms::DirListBox>(picker, "Dir1").path(), QStringLiteral("C:\\Jobs"));
    auto& files = testing_env::control<forms::FileListBox>(picker, "File1");
    for (int row = 0; row < files.count(); ++row)
        files.setSelected(row, files.item(row) != QLatin1String("Main.dwg"));
    testing_env::control<QPushButton>(picker, "Accept").click();

    const QStringList sorted = {QStringLiteral("C:\\Jobs\\alpha.dwg"), QStringLiteral("C:\\Jobs\\Mid.dwg"),
                                QStringLiteral("C:\\Jobs\\Zeta.dwg")};
    EXPECT_EQ(module->drawings.paths(), sorted);
    form->Batchlist1sub(QStringLiteral("C:\\Jobs\\Beta.dwg"));
    EXPECT_EQ(module->drawings.paths()[1], QStringLiteral("C:\\Jobs\\Beta.dwg"));

    control<QListView>(*form, "LstDwg").setCurrentIndex(module->drawings.index(2));
    EXPECT_TRUE(control<QToolButton>(*form, "cmdDelete").isEnabled());
    EXPECT_TRUE(control<QToolButton>(*form, "cmdUp").isEnabled());
    ui.expectMsgBox(forms::msgbox::No);
    control<QToolButton>(*form, "cmdDelete").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("Delete 'C:\\Jobs\\Mid.dwg'?"));
    EXPECT_EQ(ui.last().style, forms::msgbox::YesNo + forms::msgbox::Question);
    EXPECT_EQ(module->drawings.paths().size(), 4);
    EXPECT_EQ(fileList().listIndex(), 2);

    ui.expectMsgBox(forms::msgbox::Yes);
    control<QToolButton>(*form, "cmdDelete").click();
    EXPECT_EQ(module->drawings.paths().size(), 3);

    ui.expectPopup(QStringLiteral("Clear All Drawings"));
    fileList().List_MouseDown(QPoint());
    EXPECT_TRUE(module->drawings.paths().isEmpty());
}

TEST_F(FrmAplotTest, APickFilesFolderThatIsGoneStartsThePickerWhereItWouldWithoutIt)
{
    start();
    control<QPushButton>(*form, "cmdPickFiles").click();
    const auto folder = [this] { return testing_env::control<forms::DirListBox>(form->pickFilesWindow(), "Dir1").path(); };
    const QString usual = folder();
    testing_env::control<QPushButton>(form->pickFilesWindow(), "Exit2").click();

    saveSetting(DrosselSettings::PickFiles, QStringLiteral("C:\\Gone\\Away"));
    control<QPushButton>(*form, "cmdPickFiles").click();
    EXPECT_EQ(folder(), usual);
    EXPECT_TRUE(form->pickFilesWindow().isVisible());
}

TEST_F(FrmAplotTest, CurrentProjectInThePickerGoesToTheActiveDrawingsFolder)
{
    files.makeFolder(QStringLiteral("C:\\Other"));
    start();
    control<QPushButton>(*form, "cmdPickFiles").click();
    auto& folders = testing_env::control<forms::DirListBox>(form->pickFilesWindow(), "Dir1");
    folders.setPath(QStringLiteral("C:\\Other"));
    testing_env::control<QAction>(form->pickFilesWindow(), "MnuProject").trigger();
    EXPECT_EQ(folders.path(), QStringLiteral("C:\\Jobs"));
}

namespace {

// Which file the path names and when it was written: every write of the
// settings replaces the file.
QString identityOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("none");
    return QStringLiteral("%1 %2.%3").arg(status.st_ino).arg(status.st_mtim.tv_sec).arg(status.st_mtim.tv_nsec);
}

}  // namespace

TEST_F(FrmAplotTest, StartingAndClosingChangeNeitherTheSettingsNorADrawingThatHasTheChoices)
{
    // Nothing stored yet, and the drawing as it comes.
    start();
    form->close();
    EXPECT_EQ(identityOf(store.path()), QStringLiteral("none"));
    EXPECT_FALSE(document->drawing()->isModified());

    // Choices stored and already in the drawing.
    saveSetting(DrosselSettings::Scaleit2, QStringLiteral("1:2"));
    saveSetting(DrosselSettings::Center, DrosselSettings::True);
    document->activeLayout()->setStandardScale(cad::standardScale::OneToTwo);
    document->activeLayout()->setCenterPlot(true);
    document->save();
    const QString settingsBefore = identityOf(store.path());
    start();
    EXPECT_TRUE(control<QCheckBox>(*form, "ChkCenter").isChecked());
    EXPECT_FALSE(document->drawing()->isModified());
    form->close();
    EXPECT_EQ(identityOf(store.path()), settingsBefore);
    EXPECT_FALSE(document->drawing()->isModified());
}

TEST_F(FrmAplotTest, StartingWritesTheStoredChoicesIntoADrawingThatLacksThem)
{
    saveSetting(DrosselSettings::Scaleit2, QStringLiteral("1:1"));
    saveSetting(DrosselSettings::Center, DrosselSettings::True);
    const QString settingsBefore = identityOf(store.path());
    start();
    EXPECT_EQ(activeLayout().standardScale, cad::standardScale::OneToOne);
    EXPECT_TRUE(activeLayout().center);
    EXPECT_TRUE(document->drawing()->isModified());
    EXPECT_EQ(identityOf(store.path()), settingsBefore);
}
