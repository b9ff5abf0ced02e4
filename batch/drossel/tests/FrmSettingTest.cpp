#include "DrosselFixture.h"

#include "batch/drossel/FrmSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace drossel;
using namespace drossel::test;

namespace {

const QStringList PaperKeys = {QStringLiteral("Img85x11"), QStringLiteral("Img11x17"), QStringLiteral("Img17x22"),
                               QStringLiteral("Img22x34")};

void pick(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

class FrmSettingTest : public DrosselTest {
protected:
    void SetUp() override { start(); }

    FrmSetting& settingsWindow() { return form->settingsWindow(); }
    void save() { control<QPushButton>(settingsWindow(), "CmdSaveSettings").click(); }
};

class SettingsRoundTrip : public FrmSettingTest, public ::testing::WithParamInterface<int> {};

TEST_P(SettingsRoundTrip, APaperButtonIsSetUpSavedAndReadBackUnderItsOwnKeys)
{
    const int index = GetParam();
    const QString key = PaperKeys[index];
    press(index, Qt::RightButton);
    FrmSetting& window = settingsWindow();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.paperKey(), key);
    EXPECT_EQ(control<QGroupBox>(window, "FrPrinter").title(), QStringLiteral("Printer Settings For: "));
    EXPECT_TRUE(control<QComboBox>(window, "PloterName").findText(Wide) >= 0);
    EXPECT_EQ(control<QComboBox>(window, "PaperSize1").count(), 0);  // the drawing has no device yet

    pick(&control<QComboBox>(window, "PloterName"), Wide);
    EXPECT_EQ(activeLayout().device, Wide);  // the drawing takes the device at once
    EXPECT_EQ(control<QComboBox>(window, "PaperSize1").count(), control<QComboBox>(window, "PaperSize2").count());
    pick(&control<QComboBox>(window, "PaperSize1"), QStringLiteral("ARCH D (24.00 x 36.00 Inches)"));
    control<QLineEdit>(window, "TxtName").setText(QStringLiteral("Big %1").arg(index));
    control<QComboBox>(window, "CmbRotation").setEditText(QStringLiteral("180"));
    control<QLineEdit>(window, "TxtCopy").setText(QStringLiteral("2"));
    control<QLineEdit>(window, "TxtStartup").setText(QStringLiteral("C:\\Jobs"));
    control<QCheckBox>(window, "ChkClose").setChecked(false);
    save();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(setting(key + QStringLiteral("Plotter")), Wide);
    EXPECT_EQ(setting(key + QStringLiteral("MediaName")), ArchD);  // the canonical name, not the one shown
    EXPECT_EQ(setting(key + QStringLiteral("PrinterName")), QStringLiteral("Big %1").arg(index));
    EXPECT_EQ(setting(DrosselSettings::Rotation), QStringLiteral("180"));
    EXPECT_EQ(setting(DrosselSettings::NumberCopy), QStringLiteral("2"));
    EXPECT_EQ(setting(DrosselSettings::PickFiles), QStringLiteral("C:\\Jobs"));
    EXPECT_EQ(setting(DrosselSettings::CloseExit), QStringLiteral("False"));
    EXPECT_EQ(setting(DrosselSettings::OnTop), QStringLiteral("True"));
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", index).text(), QStringLiteral("Big %1").arg(index));
    for (int other = 0; other < 4; ++other) {
        if (other != index) {
            EXPECT_EQ(setting(PaperKeys[other] + QStringLiteral("Plotter")), QStringLiteral("<none>"));
        }
    }

    // Opened again, the window shows what was saved; saved unchanged, it
    // keeps the stored paper.
    press(index, Qt::RightButton);
    EXPECT_EQ(control<QGroupBox>(window, "FrPrinter").title(), QStringLiteral("Printer Settings For: Big %1").arg(index));
    EXPECT_EQ(control<QComboBox>(window, "PloterName").currentText(), Wide);
    // The paper as the list shows it, not its canonical name.
    EXPECT_EQ(control<QComboBox>(window, "PaperSize1").currentText(), QStringLiteral("ARCH D (24.00 x 36.00 Inches)"));
    EXPECT_EQ(control<QComboBox>(window, "CmbRotation").currentText(), QStringLiteral("180"));
    EXPECT_EQ(control<QComboBox>(window, "CmbRotation").count(), 4);
    EXPECT_FALSE(control<QCheckBox>(window, "ChkClose").isChecked());
    EXPECT_TRUE(control<QCheckBox>(window, "ChkTop").isChecked());
    save();
    EXPECT_EQ(setting(key + QStringLiteral("MediaName")), ArchD);
    EXPECT_EQ(setting(key + QStringLiteral("Plotter")), Wide);

    // With "CloseExit" off a single plot leaves the program open.
    press(index);
    EXPECT_EQ(host->plotJobs().size(), 1u);
    EXPECT_FALSE(dispatcher.ended());
}

INSTANTIATE_TEST_SUITE_P(EachPaperButton, SettingsRoundTrip, ::testing::Values(0, 1, 2, 3));

TEST_F(FrmSettingTest, ATypedPaperIsThePaperSavedAndOneNotListedIsRefused)
{
    press(0, Qt::RightButton);
    FrmSetting& window = settingsWindow();
    QComboBox& papers = control<QComboBox>(window, "PaperSize1");
    pick(&control<QComboBox>(window, "PloterName"), Laser);
    pick(&papers, QStringLiteral("Letter (8.50 x 11.00 Inches)"));
    // Typed over the pick, in another case: the paper typed is the one saved.
    papers.setEditText(QStringLiteral("tabloid (11.00 x 17.00 inches)"));
    save();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(setting(QStringLiteral("Img85x11MediaName")), Tabloid);

    // A canonical name typed is that paper too.
    press(0, Qt::RightButton);
    EXPECT_EQ(papers.currentText(), QStringLiteral("Tabloid (11.00 x 17.00 Inches)"));
    papers.setEditText(Letter);
    save();
    EXPECT_EQ(setting(QStringLiteral("Img85x11MediaName")), Letter);

    // A name the plotter does not have is refused by name, and nothing of the
    // window is saved.
    press(0, Qt::RightButton);
    control<QLineEdit>(window, "TxtName").setText(QStringLiteral("Renamed"));
    pick(&papers, QStringLiteral("Legal (8.50 x 14.00 Inches)"));
    papers.setEditText(QStringLiteral("Legal Long"));
    ui.expectMsgBox(forms::msgbox::Ok);
    save();
    EXPECT_EQ(ui.last().text, QStringLiteral("The Plotter Has No Paper \"Legal Long\": Pick One From The List"));
    EXPECT_EQ(ui.last().style, forms::msgbox::Exclamation);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(setting(QStringLiteral("Img85x11MediaName")), Letter);
    EXPECT_EQ(setting(QStringLiteral("Img85x11PrinterName")), QString());

    // An emptied paper box names nothing and is refused too.
    papers.setEditText(QString());
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("\"\""));
    save();
    EXPECT_EQ(setting(QStringLiteral("Img85x11MediaName")), Letter);
}

TEST_F(FrmSettingTest, AStoredPaperTheLayoutsDeviceLacksIsShownAsStoredAndKeptByASaveWithoutChanges)
{
    // The active drawing's device has no such paper, so the host cannot name
    // it: the window shows and keeps the stored name.
    setUpButton(2, Wide, ArchD, QStringLiteral("Plans"));
    document->activeLayout()->setConfigName(Laser);
    press(2, Qt::RightButton);
    QComboBox& papers = control<QComboBox>(settingsWindow(), "PaperSize1");
    EXPECT_EQ(papers.currentText(), ArchD);
    EXPECT_EQ(papers.currentIndex(), -1);
    save();
    EXPECT_FALSE(settingsWindow().isVisible());
    EXPECT_EQ(setting(QStringLiteral("Img17x22MediaName")), ArchD);
}

TEST_F(FrmSettingTest, ALeftClickOnAButtonNotSetUpOpensTheSettingsAndPlotsNothing)
{
    setUpButton(3, Laser, QString());
    press(3);
    EXPECT_TRUE(settingsWindow().isVisible());
    EXPECT_EQ(settingsWindow().paperKey(), QStringLiteral("Img22x34"));
    EXPECT_TRUE(host->plotJobs().empty());
}

TEST_F(FrmSettingTest, AnEmptyNameKeepsTheButtonsCaption)
{
    setUpButton(0, Laser, Letter, QStringLiteral("Letter"));
    start();
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", 0).text(), QStringLiteral("Letter"));
    press(1, Qt::RightButton);
    save();
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", 1).text(), QStringLiteral("11 x 17"));
    EXPECT_EQ(control<QPushButton>(*form, "CmdPrinter", 0).text(), QStringLiteral("Letter"));
    EXPECT_EQ(setting(QStringLiteral("Img11x17PrinterName")), QString());
}

TEST_F(FrmSettingTest, CopiesMustBeAWholeNumberOfAtLeastOneAndABadOneSavesNothing)
{
    press(0, Qt::RightButton);
    FrmSetting& window = settingsWindow();
    for (const QString& bad : {QStringLiteral("0"), QStringLiteral("2.5"), QStringLiteral("two"), QString(),
                               QStringLiteral("-1")}) {
        control<QLineEdit>(window, "TxtName").setText(QStringLiteral("Changed"));
        control<QLineEdit>(window, "TxtCopy").setText(bad);
        ui.expectMsgBox(forms::msgbox::Ok);
        save();
        EXPECT_EQ(ui.last().text, QStringLiteral("Copies Must Be A Whole Number Of At Least 1, Not \"%1\"").arg(bad));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(setting(QStringLiteral("Img85x11PrinterName")), QStringLiteral("<none>"));
        EXPECT_EQ(setting(DrosselSettings::NumberCopy), QStringLiteral("<none>"));
    }
    control<QLineEdit>(window, "TxtCopy").setText(QStringLiteral(" 12 "));
    save();
    EXPECT_EQ(setting(DrosselSettings::NumberCopy), QStringLiteral(" 12 "));
}

TEST_F(FrmSettingTest, AFailedLoadIsReportedAndCannotBlankTheStoredSettings)
{
    setUpButton(0, Laser, Letter, QStringLiteral("Letter"));
    saveSetting(DrosselSettings::Rotation, QStringLiteral("0"));
    host->failures().failNext(QStringLiteral("Layout.GetPlotDeviceNames"), cad::err::ExceptionOccurred);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("  Location: Load"));
    press(0, Qt::RightButton);
    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
    EXPECT_FALSE(settingsWindow().loadSucceeded());
    EXPECT_FALSE(control<QPushButton>(settingsWindow(), "CmdSaveSettings").isEnabled());

    settingsWindow().CmdSaveSettings_Click();
    EXPECT_EQ(setting(DrosselSettings::Rotation), QStringLiteral("0"));
    EXPECT_EQ(setting(QStringLiteral("Img85x11MediaName")), Letter);
    EXPECT_EQ(setting(DrosselSettings::OnTop), QStringLiteral("<none>"));

    // Loaded again once the host answers, it saves as usual.
    settingsWindow().close();
    press(0, Qt::RightButton);
    EXPECT_TRUE(control<QPushButton>(settingsWindow(), "CmdSaveSettings").isEnabled());
}

TEST_F(FrmSettingTest, TheWindowKeepsTheButtonItWasOpenedForWhenAnotherIsPressed)
{
    setUpButton(1, Laser, Tabloid, QStringLiteral("Tabloid"));
    saveSetting(DrosselSettings::CloseExit, DrosselSettings::False);
    press(0, Qt::RightButton);
    control<QLineEdit>(settingsWindow(), "TxtName").setText(QStringLiteral("Letter"));
    press(1);  // plots on the other button meanwhile
    EXPECT_EQ(module->PaperKey, QStringLiteral("Img11x17"));
    EXPECT_EQ(host->plotJobs().size(), 1u);

    save();
    EXPECT_EQ(setting(QStringLiteral("Img85x11PrinterName")), QStringLiteral("Letter"));
    EXPECT_EQ(setting(QStringLiteral("Img11x17PrinterName")), QStringLiteral("Tabloid"));
    EXPECT_EQ(setting(QStringLiteral("Img11x17MediaName")), Tabloid);

    // A right click on another button while it is open loads it for that one.
    press(0, Qt::RightButton);
    press(1, Qt::RightButton);
    EXPECT_EQ(settingsWindow().paperKey(), QStringLiteral("Img11x17"));
    EXPECT_EQ(control<QLineEdit>(settingsWindow(), "TxtName").text(), QStringLiteral("Tabloid"));
}

TEST_F(FrmSettingTest, ADeviceTheHostRefusesIsReportedWithoutALocation)
{
    press(0, Qt::RightButton);
    control<QComboBox>(settingsWindow(), "PloterName").setEditText(QStringLiteral("Gone.pc3"));
    ui.expectMsgBox(forms::msgbox::Ok);
    dispatcher.run([&] { settingsWindow().PloterName_Click(); });
    EXPECT_TRUE(ui.last().text.endsWith(QStringLiteral("no plot device Gone.pc3")));
    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
}
