#include "SodrinFixture.h"
#include "platform/testing/LayoutCheck.h"

#include "layers/sodrin/Disciplines.h"
#include "layers/sodrin/LayerFile.h"
#include "platform/cad/Preferences.h"
#include "platform/cad/PreferencesFiles.h"
#include "platform/forms/FileListBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

using namespace sodrin;
using namespace sodrin::test;
namespace msgbox = forms::msgbox;

namespace {

class SettingsForm : public SodrinTest {
protected:
    QCheckBox& box(const QString& name) { return control<QCheckBox>(*frmSettings, name); }
    QPushButton& loadAll() { return control<QPushButton>(*frmSettings, QStringLiteral("CmdLoadAll")); }
    QLineEdit& path() { return control<QLineEdit>(*frmSettings, QStringLiteral("TxtPath")); }
    QStringList ticked()
    {
        QStringList names;
        for (const Discipline& d : Disciplines)
            if (box(d.box).isChecked())
                names.append(d.caption);
        return names;
    }

    // The settings form's picker, opened by "Browse" on `folder`, with
    // `file` selected ("" for none); Accept pressed.
    QWidget& browseAndAccept(const QString& folder, const QString& file)
    {
        control<QPushButton>(*frmSettings, QStringLiteral("CmdBrowse")).click();
        auto& picker = control<QWidget>(*frmSettings, QStringLiteral("FrmFile"));
        auto& list = control<forms::FileListBox>(picker, QStringLiteral("File1"));
        list.setPath(folder);
        for (int i = 0; i < list.count(); ++i)
            list.setSelected(i, list.item(i) == file);
        control<QPushButton>(picker, QStringLiteral("Accept")).click();
        return picker;
    }
};

}  // namespace

TEST_F(SettingsForm, TheSettingsAndThePickerShowEveryCaptionWhole)
{
    openSettings();
    EXPECT_EQ(testing_env::layoutFaults(*frmSettings, QStringLiteral("sodrin-settings")), QStringList());
    control<QPushButton>(*frmSettings, QStringLiteral("CmdBrowse")).click();
    auto& picker = control<QWidget>(*frmSettings, QStringLiteral("FrmFile"));
    EXPECT_EQ(testing_env::layoutFaults(picker, QStringLiteral("sodrin-picker")), QStringList());
}

TEST_F(SettingsForm, FirstRunShowsNothingChosen)
{
    openSettings();
    EXPECT_EQ(frmSettings->caption(), QStringLiteral("Settings"));
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_TRUE(path().text().isEmpty());
    EXPECT_EQ(loadAll().text(), QStringLiteral("Load All"));
    EXPECT_EQ(box(QStringLiteral("ChkFireProtection")).text(), QStringLiteral("Other"));
}

TEST_F(SettingsForm, TickingADisciplineStoresItsFileAtOnce)
{
    openSettings();
    box(QStringLiteral("ChkGeneral")).click();
    box(QStringLiteral("ChkStructural")).click();
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Structural")});
    EXPECT_EQ(loadAll().text(), QStringLiteral("Load All Structural"));
    frmSettings->close();
    EXPECT_TRUE(dispatcher.ended()) << "closing the form ends the program";
    EXPECT_EQ(stored("Structural"), QStringLiteral("True"));
    EXPECT_EQ(stored("General"), QStringLiteral("False"));
    EXPECT_EQ(stored("bLayerPath"), QStringLiteral("False"));
    EXPECT_EQ(stored("LayerPath"), QStringLiteral("C:\\Program\\Structural.lay"));
}

TEST_F(SettingsForm, AStoredDisciplineIsSelectedAgainOverABrowsedFile)
{
    store("Mechanical", "True");
    store("bLayerPath", "True");
    store("LayerPath", "C:\\Layers\\Mine.lay");
    openSettings();
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Mechanical")});
    EXPECT_TRUE(path().text().isEmpty());
    EXPECT_EQ(loadAll().text(), QStringLiteral("Load All Mechanical"));
    EXPECT_EQ(stored("bLayerPath"), QStringLiteral("False"));
    EXPECT_EQ(stored("LayerPath"), QStringLiteral("C:\\Program\\Mechanical.lay"));
}

TEST_F(SettingsForm, UntickingByHandIsStoredAsLeft)
{
    openSettings();
    box(QStringLiteral("ChkArchitecture")).click();
    box(QStringLiteral("ChkArchitecture")).click();
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_EQ(loadAll().text(), QStringLiteral("Load All"));
    EXPECT_EQ(stored("Architecture"), QStringLiteral("False"));
    control<QPushButton>(*frmSettings, QStringLiteral("CmdSave")).click();
    EXPECT_EQ(stored("Architecture"), QStringLiteral("False"));
    EXPECT_TRUE(stored("LayerPath").isEmpty());
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(SettingsForm, ABrowsedFileIsStoredAtAcceptAndTheFlagsAtTheNextSave)
{
    store("Electrical", "True");
    t.drive(QStringLiteral("P"));
    files.makeFolder(QStringLiteral("P:\\Std"));
    writeFile(QStringLiteral("P:\\Std\\Wiring.lay"), {"E-1LIN,3,continuous,"});
    openSettings();
    QWidget& picker = browseAndAccept(QStringLiteral("P:\\Std"), QStringLiteral("Wiring.lay"));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_EQ(path().text(), QStringLiteral("P:\\Std\\Wiring.lay"));
    EXPECT_EQ(loadAll().text(), QStringLiteral("Load All LayerPath"));
    EXPECT_EQ(stored("LayerPath"), QStringLiteral("P:\\Std\\Wiring.lay"));
    EXPECT_EQ(stored("bLayerPath"), QStringLiteral("True"));
    EXPECT_EQ(stored("Electrical"), QStringLiteral("True")) << "flags wait for the next save";

    control<QPushButton>(*frmSettings, QStringLiteral("CmdSave")).click();
    EXPECT_EQ(stored("Electrical"), QStringLiteral("False"));
    EXPECT_EQ(stored("LayerPath"), QStringLiteral("P:\\Std\\Wiring.lay"));
}

TEST_F(SettingsForm, TheNextOpeningShowsTheBrowsedFile)
{
    store("bLayerPath", "True");
    store("LayerPath", "P:\\Std\\Wiring.lay");
    openSettings();
    EXPECT_EQ(path().text(), QStringLiteral("P:\\Std\\Wiring.lay"));
    EXPECT_EQ(loadAll().text(), QStringLiteral("Load All LayerPath"));
}

TEST_F(SettingsForm, AcceptWithNothingPickedDoesNothing)
{
    store("General", "True");
    openSettings();
    QWidget& picker = browseAndAccept(QStringLiteral("C:\\Program"), QString());
    EXPECT_TRUE(picker.isVisible()) << "the picker waits for a file";
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("General")});
    EXPECT_EQ(stored("LayerPath"), QStringLiteral("C:\\Program\\General.lay"));
    EXPECT_EQ(stored("bLayerPath"), QStringLiteral("False"));
}

TEST_F(SettingsForm, AFileInADriveRootGetsOneSeparator)
{
    t.drive(QStringLiteral("P"));
    writeFile(QStringLiteral("P:\\x.lay"), {"X,1,continuous,"});
    openSettings();
    browseAndAccept(QStringLiteral("P:\\"), QStringLiteral("x.lay"));
    EXPECT_EQ(stored("LayerPath"), QStringLiteral("P:\\x.lay"));
    EXPECT_EQ(path().text(), QStringLiteral("P:\\x.lay"));
}

TEST_F(SettingsForm, CurrentProjectInThePickerIsTheHostsTemplateFolder)
{
    files.makeFolder(QStringLiteral("C:\\Jobs"));
    files.makeFolder(QStringLiteral("C:\\Jobs\\Templates"));
    writeFile(QStringLiteral("C:\\Jobs\\Templates\\Job.lay"), {"J,1,continuous,"});
    host->preferences()->files()->setTemplateDwgPath(QStringLiteral("C:\\Jobs\\Templates"));
    openSettings();
    control<QPushButton>(*frmSettings, QStringLiteral("CmdBrowse")).click();
    auto& picker = control<QWidget>(*frmSettings, QStringLiteral("FrmFile"));
    ui.expectPopup(QStringLiteral("Current Project"));
    auto& list = control<forms::FileListBox>(picker, QStringLiteral("File1"));
    emit list.rightClicked(QPoint());
    EXPECT_EQ(list.item(0), QStringLiteral("Job.lay"));
}

TEST_F(SettingsForm, LoadAllCreatesEveryLayerOfTheStoredFile)
{
    store("Process", "True");
    openSettings();
    path().setText(QStringLiteral("C:\\Program\\General.lay"));  // typed, not saved
    loadAll().click();
    EXPECT_EQ(drawing->layers()->count(), 1 + 13);
    EXPECT_EQ(active(), QStringLiteral("VIEWPORTS"));
    EXPECT_EQ(layer(QStringLiteral("M-PHAN"))->linetype(), QStringLiteral("PHANTOM"));
    EXPECT_FALSE(hasLayer(QStringLiteral("G-OBJ1")));
    EXPECT_TRUE(frmSettings->isVisible()) << "the form stays open";
    EXPECT_FALSE(dispatcher.ended());
}

TEST_F(SettingsForm, LoadAllOfAMalformedFileKeepsWhatItMadeAndEnds)
{
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(QStringLiteral("C:\\Layers\\Mine.lay"),
                                 {"A,1,continuous,", "B,2,HIDDEN,", "C,x,continuous,", "D,4,continuous,"}));
    openSettings();
    ui.expectMsgBox(msgbox::Ok, BadFile);
    loadAll().click();
    EXPECT_TRUE(hasLayer(QStringLiteral("A")));
    EXPECT_EQ(active(), QStringLiteral("B"));
    EXPECT_FALSE(hasLayer(QStringLiteral("D")));
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(SettingsForm, LoadAllWithNoStoredFileWarnsAndEnds)
{
    openSettings();
    ui.expectMsgBox(msgbox::Ok, BadFile);
    loadAll().click();
    EXPECT_TRUE(dispatcher.ended());
}
