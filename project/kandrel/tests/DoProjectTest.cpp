// Choosing a project: the support path rules through the host, the paths the
// other tools read, the dialog folders in the registry, and what is remembered.
#include "KandrelFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/settings/Registry.h"
#include "project/kandrel/ProjectPaths.h"

using namespace kandrel;
using namespace kandrel::test;

namespace {

const QString Project1234 = QStringLiteral("P:\\Projects\\1234");

class DoProjectTest : public KandrelTest {
protected:
    DoProjectTest()
    {
        writeList("1234\r\n5678\r\n");
        saveSetting(QStringLiteral("ProjectPrefix"), QStringLiteral("P:\\Projects\\"));
        saveSetting(QStringLiteral("ProjectTemplates"), QStringLiteral("\\DwgTemplates"));
        saveSetting(QStringLiteral("ProjectPens"), QStringLiteral("\\Pens"));
        saveSetting(QStringLiteral("ProjectPensOn"), QStringLiteral("True"));
        setSupportPath(QStringLiteral("C:\\Support;C:\\Fonts"));
        standin::ProfileState state = profile();
        state.printerStyleSheetPath = QStringLiteral("C:\\Pens");
        host->context().setProfile(state);
    }

    QStringList dialogFolders()
    {
        QStringList folders;
        for (const QString& dialog : ProjectPaths::Dialogs)
            folders.append(dialogFolder(dialog));
        return folders;
    }
};

TEST_F(DoProjectTest, FirstUseAddsTheProjectAndSetsEveryPathAndDialogFolder)
{
    start();
    choose(QStringLiteral("1234"));

    EXPECT_EQ(profile().supportPath, QStringLiteral("C:\\Support;C:\\Fonts;P:\\Projects\\1234"));
    EXPECT_EQ(profile().templateDwgPath, QStringLiteral("P:\\Projects\\1234\\DwgTemplates"));
    EXPECT_EQ(profile().printerStyleSheetPath, QStringLiteral("P:\\Projects\\1234\\Pens"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), Project1234);
    EXPECT_EQ(dialogFolders(), QStringList(4, Project1234));
    // The order of the host calls: the support path is read, then written,
    // and only then the other paths.
    const QStringList writes = host->journal().matching(QStringLiteral("PreferencesFiles."));
    EXPECT_EQ(writes, (QStringList{QStringLiteral("PreferencesFiles.SupportPath C:\\Support;C:\\Fonts;P:\\Projects\\1234"),
                                   QStringLiteral("PreferencesFiles.TemplateDwgPath P:\\Projects\\1234\\DwgTemplates"),
                                   QStringLiteral("PreferencesFiles.PrinterStyleSheetPath P:\\Projects\\1234\\Pens")}));
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(DoProjectTest, ThePreviousProjectIsReplacedWhereItStandsAndItsNeighbourIsLeftAlone)
{
    saveSetting(QStringLiteral("ProjectPath"), QStringLiteral("P:\\Projects\\12"));
    setSupportPath(QStringLiteral("C:\\Support;p:\\projects\\12\\;P:\\Projects\\123;C:\\Fonts"));
    start();
    EXPECT_EQ(c<QLabel>("LblCurrent").text(), QStringLiteral("P:\\Projects\\12"));
    choose(QStringLiteral("5678"));
    EXPECT_EQ(profile().supportPath, QStringLiteral("C:\\Support;P:\\Projects\\5678;P:\\Projects\\123;C:\\Fonts"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), QStringLiteral("P:\\Projects\\5678"));
}

TEST_F(DoProjectTest, ASupportPathTheHostRefusesIsReportedAndTheProjectIsNotRemembered)
{
    saveSetting(QStringLiteral("ProjectPath"), QStringLiteral("P:\\Projects\\12"));
    host->context().failures().failAlways(QStringLiteral("PreferencesFiles.SupportPath"), cad::err::InvalidInput);
    start();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tDoProject"));
    choose(QStringLiteral("1234"));
    expectAppError(QStringLiteral("DoProject"));
    // The next start must still find the folder the support path holds.
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), QStringLiteral("P:\\Projects\\12"));
    EXPECT_EQ(profile().templateDwgPath, QString());
    EXPECT_EQ(dialogFolders(), QStringList(4, QString()));
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(DoProjectTest, ARefusedTemplatePathIsPassedOverAndTheRestIsStillWritten)
{
    start();
    host->context().failures().failAlways(QStringLiteral("PreferencesFiles.TemplateDwgPath"), cad::err::InvalidInput);
    choose(QStringLiteral("1234"));
    EXPECT_EQ(profile().printerStyleSheetPath, QStringLiteral("P:\\Projects\\1234\\Pens"));
    EXPECT_EQ(dialogFolders(), QStringList(4, Project1234));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), Project1234);
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(DoProjectTest, AnEmptyTemplateFolderGivesTheBareProjectAndAnUntickedPlotSwitchLeavesThePensAlone)
{
    saveSetting(QStringLiteral("ProjectTemplates"), QString());
    saveSetting(QStringLiteral("ProjectPensOn"), QStringLiteral("False"));
    start();
    EXPECT_FALSE(c<QCheckBox>("ChkPlot").isChecked());
    choose(QStringLiteral("1234"));
    EXPECT_EQ(profile().templateDwgPath, Project1234);
    EXPECT_EQ(profile().printerStyleSheetPath, QStringLiteral("C:\\Pens"));
    EXPECT_TRUE(host->journal().matching(QStringLiteral("PreferencesFiles.PrinterStyleSheetPath")).isEmpty());
}

TEST_F(DoProjectTest, TheSuffixJoinsTheFolderAsTyped)
{
    saveSetting(QStringLiteral("ProjectSuffix"), QStringLiteral("\\Drawings"));
    start();
    choose(QStringLiteral("5678"));
    EXPECT_EQ(profile().templateDwgPath, QStringLiteral("P:\\Projects\\5678\\Drawings\\DwgTemplates"));
    EXPECT_EQ(dialogFolder(QStringLiteral("Select File")), QStringLiteral("P:\\Projects\\5678\\Drawings"));
}

TEST_F(DoProjectTest, ALongReleaseNamesItsKeyByTenCharactersAndAMissingDialogKeyIsNotMade)
{
    settings::Registry& registry = t.registry();
    registry.setValue(ProjectPaths::ReleaseKey, QStringLiteral("CurVer"), QStringLiteral("RELEASE-15:409"));
    const QString profileName = profile().activeProfile;
    const QString release = QStringLiteral("RELEASE-15");
    for (const QString& dialog : {QStringLiteral("OpenSaveAnavDialogs"), QStringLiteral("Select File"),
                                  QStringLiteral("XattachFileDialog")})
        registry.createKey(ProjectPaths::dialogKey(release, profileName, dialog));
    start();
    choose(QStringLiteral("1234"));

    const auto folderOf = [&](const QString& dialog) {
        return registry.value(ProjectPaths::dialogKey(release, profileName, dialog), QStringLiteral("InitialDirectory"));
    };
    EXPECT_EQ(folderOf(QStringLiteral("OpenSaveAnavDialogs")), Project1234);
    EXPECT_EQ(folderOf(QStringLiteral("Select File")), Project1234);
    EXPECT_EQ(folderOf(QStringLiteral("XattachFileDialog")), Project1234);
    EXPECT_FALSE(registry.keyExists(ProjectPaths::dialogKey(release, profileName, QStringLiteral("Save Drawing As"))));
    EXPECT_FALSE(registry.keyExists(
        ProjectPaths::dialogKey(QStringLiteral("RELEASE-15:409"), profileName, QStringLiteral("Select File"))));
    // The host's own release key was not written either.
    EXPECT_EQ(dialogFolders(), QStringList(4, QString()));
}

TEST_F(DoProjectTest, AnEmptyReleaseWritesNoDialogFolder)
{
    t.registry().setValue(ProjectPaths::ReleaseKey, QStringLiteral("CurVer"), QString());
    start();
    choose(QStringLiteral("1234"));
    EXPECT_EQ(dialogFolders(), QStringList(4, QString()));
    EXPECT_EQ(profile().templateDwgPath, QStringLiteral("P:\\Projects\\1234\\DwgTemplates"));
}

TEST_F(DoProjectTest, AReleaseValueThatIsNoTextReadsAsErrorWhichNamesNoKey)
{
    settings::Registry& registry = t.registry();
    registry.setValue(ProjectPaths::ReleaseKey, QStringLiteral("CurVer"), settings::Registry::TypeDword,
                      QStringLiteral("15"));
    start();
    choose(QStringLiteral("5678"));
    EXPECT_EQ(dialogFolders(), QStringList(4, QString()));
    EXPECT_FALSE(registry.keyExists(ProjectPaths::UserReleaseKey + QStringLiteral("Error")));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), QStringLiteral("P:\\Projects\\5678"));
}

TEST_F(DoProjectTest, NothingSelectedOrAnEmptyEntrySaysSoAndEndsWithoutChangingAnything)
{
    writeList("1234\r\n\r\n");
    start();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Select Project From List Box"));
    click("CmdOK");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Kandrel"));
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(profile().supportPath, QStringLiteral("C:\\Support;C:\\Fonts"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), QString());
}

TEST_F(DoProjectTest, TheEmptyEntryOfTheListIsNoProject)
{
    writeList("1234\r\n\r\n");
    start();
    ASSERT_EQ(shownList(), (QStringList{QString(), QStringLiteral("1234")}));
    selectRow(0);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Select Project From List Box"));
    t.dispatcher().run([&] { emit c<QListView>("List1").doubleClicked(c<QListView>("List1").currentIndex()); });
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(profile().supportPath, QStringLiteral("C:\\Support;C:\\Fonts"));
}

TEST_F(DoProjectTest, ANumberThatWouldSplitTheSupportPathIsRefused)
{
    writeList("12;C:\\Evil\r\n");
    start();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! A Project Number Cannot Hold"));
    choose(QStringLiteral("12;C:\\Evil"));
    EXPECT_EQ(profile().supportPath, QStringLiteral("C:\\Support;C:\\Fonts"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), QString());
}

}  // namespace
