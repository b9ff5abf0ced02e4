#include "DrosselFixture.h"

#include "batch/drossel/FrmCancel.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/TopMost.h"
#include "shared/EditableFileList.h"
#include "platform/testing/Controls.h"
#include "shared/PickFilesForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

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
    EXPECT_EQ(form->CmdPrinter[0]->text(), QStringLiteral("8.5 x 11"));
    EXPECT_EQ(form->CmdPrinter[2]->text(), QStringLiteral("Letter"));
    EXPECT_EQ(form->CmdPrinter[3]->toolTip(), QStringLiteral("Right Click For Settings."));
    EXPECT_EQ(form->heightTwips(), FrmAplot::CompactHeight);
    EXPECT_EQ(form->SavedSdi, 1);
    EXPECT_EQ(form->PenStyles->currentText(), QStringLiteral("monochrome.ctb"));
    EXPECT_EQ(form->Scaleit->currentText(), QStringLiteral("1:2"));
    EXPECT_EQ(form->Scaleit->count(), 3);
    EXPECT_TRUE(form->ChkCenter->isChecked());
    EXPECT_EQ(activeLayout().standardScale, cad::standardScale::OneToTwo);
    EXPECT_TRUE(activeLayout().center);

    form->CmdMore->click();
    EXPECT_EQ(form->heightTwips(), FrmAplot::FullHeight);
    form->CmdMore->click();
    EXPECT_EQ(form->heightTwips(), FrmAplot::CompactHeight);
}

TEST_F(FrmAplotTest, AStoredScaleTextOtherThanTheItemsKeepsScaleToFit)
{
    saveSetting(DrosselSettings::Scaleit2, QStringLiteral("1:4"));
    start();
    EXPECT_EQ(form->Scaleit->currentText(), QStringLiteral("Scale To Fit"));
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
    form->cmdPickFiles->click();
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
    EXPECT_EQ(form->drawings(), sorted);
    form->Batchlist1sub(QStringLiteral("C:\\Jobs\\Beta.dwg"));
    EXPECT_EQ(form->drawings()[1], QStringLiteral("C:\\Jobs\\Beta.dwg"));

    form->LstDwg->setCurrentRow(2);
    EXPECT_TRUE(form->cmdDelete->isEnabled());
    EXPECT_TRUE(form->cmdUp->isEnabled());
    ui.expectMsgBox(forms::msgbox::No);
    form->cmdDelete->click();
    EXPECT_EQ(ui.last().text, QStringLiteral("Delete 'C:\\Jobs\\Mid.dwg'?"));
    EXPECT_EQ(ui.last().style, forms::msgbox::YesNo + forms::msgbox::Question);
    EXPECT_EQ(form->drawings().size(), 4);
    EXPECT_EQ(form->fileList().listIndex(), 2);

    ui.expectMsgBox(forms::msgbox::Yes);
    form->cmdDelete->click();
    EXPECT_EQ(form->drawings().size(), 3);

    ui.expectPopup(QStringLiteral("Clear All Drawings"));
    form->fileList().List_MouseDown(QPoint());
    EXPECT_TRUE(form->drawings().isEmpty());
}

TEST_F(FrmAplotTest, APickFilesFolderThatIsGoneStartsThePickerWhereItWouldWithoutIt)
{
    start();
    form->cmdPickFiles->click();
    const auto folder = [this] { return testing_env::control<forms::DirListBox>(form->pickFilesWindow(), "Dir1").path(); };
    const QString usual = folder();
    testing_env::control<QPushButton>(form->pickFilesWindow(), "Exit2").click();

    saveSetting(DrosselSettings::PickFiles, QStringLiteral("C:\\Gone\\Away"));
    form->cmdPickFiles->click();
    EXPECT_EQ(folder(), usual);
    EXPECT_TRUE(form->pickFilesWindow().isVisible());
}

TEST_F(FrmAplotTest, CurrentProjectInThePickerGoesToTheActiveDrawingsFolder)
{
    files.makeFolder(QStringLiteral("C:\\Other"));
    start();
    form->cmdPickFiles->click();
    auto& folders = testing_env::control<forms::DirListBox>(form->pickFilesWindow(), "Dir1");
    folders.setPath(QStringLiteral("C:\\Other"));
    testing_env::control<QAction>(form->pickFilesWindow(), "MnuProject").trigger();
    EXPECT_EQ(folders.path(), QStringLiteral("C:\\Jobs"));
}
