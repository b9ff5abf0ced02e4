// The project window: its load, the project list file, the settings panel
// and what is saved when it closes.
#include "KandrelFixture.h"

#include "platform/testing/LayoutCheck.h"

#include "platform/forms/Twips.h"

#include <QFile>

using namespace kandrel;
using namespace kandrel::test;

namespace {

QByteArray installedFile(const char* name)
{
    QFile file(QStringLiteral(SUITE_INSTALLER_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using StartTest = KandrelTest;

TEST_F(StartTest, ShowsEveryCaptionWhole)
{
    EXPECT_EQ(testing_env::layoutFaults(start(), QStringLiteral("kandrel-main")), QStringList());
}

TEST_F(StartTest, TheInstalledListShowsItsPlaceholderAsTheOneProject)
{
    const QByteArray installed = installedFile("Project.txt");
    EXPECT_EQ(installed, QByteArray("<<Type Project Number>>\r\n"));
    EXPECT_EQ(installed.size(), 25);
    writeList(installed);
    start();
    EXPECT_EQ(shownList(), QStringList{QStringLiteral("<<Type Project Number>>")});
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(StartTest, LoadShowsTheSettingsAndWhatTheHostUsesAndRemembersFolders)
{
    writeList("B-2\r\na-1\r\nC-3\r\n");
    saveSetting(QStringLiteral("ProjectPath"), QStringLiteral("P:\\Projects\\a-1"));
    saveSetting(QStringLiteral("ProjectPrefix"), QStringLiteral("P:\\Projects\\"));
    saveSetting(QStringLiteral("ProjectSuffix"), QStringLiteral("\\Drawings"));
    saveSetting(QStringLiteral("ProjectPensOn"), QStringLiteral("True"));
    standin::ProfileState state = profile();
    state.templateDwgPath = QStringLiteral("P:\\Projects\\a-1\\DwgTemplates");
    state.printerStyleSheetPath = QStringLiteral("P:\\Projects\\a-1\\Pens");
    host->context().setProfile(state);
    host->context().setAppVariable(QStringLiteral("REMEMBERFOLDERS"), 0);

    FrmMain& f = start();
    EXPECT_EQ(f.caption(), QStringLiteral("Kandrel"));
    EXPECT_EQ(shownList(), (QStringList{QStringLiteral("a-1"), QStringLiteral("B-2"), QStringLiteral("C-3")}));
    EXPECT_EQ(c<QLabel>("LblCurrent").text(), QStringLiteral("P:\\Projects\\a-1"));
    EXPECT_EQ(c<QLabel>("LblTemp").text(), QStringLiteral("P:\\Projects\\a-1\\DwgTemplates"));
    EXPECT_EQ(c<QLabel>("LblPen").text(), QStringLiteral("P:\\Projects\\a-1\\Pens"));
    EXPECT_EQ(c<QLineEdit>("TxtPre").text(), QStringLiteral("P:\\Projects\\"));
    EXPECT_EQ(c<QLineEdit>("TxtSuff").text(), QStringLiteral("\\Drawings"));
    // The design texts give way to the stored values, empty ones too.
    EXPECT_EQ(c<QLineEdit>("TxtTemp").text(), QString());
    EXPECT_EQ(c<QLineEdit>("TxtPlot").text(), QString());
    EXPECT_TRUE(c<QCheckBox>("ChkPlot").isChecked());
    EXPECT_EQ(host->context().appVariable(QStringLiteral("REMEMBERFOLDERS")).toInt(), 1);
    EXPECT_EQ(c<QListView>("List1").toolTip(), QStringLiteral("Double Click Project"));
    EXPECT_EQ(c<QLineEdit>("TxtProjectNum").toolTip(), QStringLiteral("Company Project Numbers"));
}

TEST_F(StartTest, AMissingListIsAnEmptyListAndTheSettingsAreStillShownAndSaved)
{
    saveSetting(QStringLiteral("ProjectPrefix"), QStringLiteral("P:\\Projects\\"));
    start();
    EXPECT_TRUE(shownList().isEmpty());
    EXPECT_TRUE(t.ui().records().isEmpty());
    EXPECT_EQ(c<QLineEdit>("TxtPre").text(), QStringLiteral("P:\\Projects\\"));
    c<QLineEdit>("TxtPre").setText(QStringLiteral("Q:\\Jobs\\"));
    click("CmdExit");
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("Q:\\Jobs\\"));
    EXPECT_FALSE(t.files().fileExists(ListFile));
}

TEST_F(StartTest, AListThatCannotBeReadIsReportedAndNeitherShownSettingsNorTheListAreWritten)
{
    saveSetting(QStringLiteral("ProjectPrefix"), QStringLiteral("P:\\Projects\\"));
    t.files().makeFolder(ListFile);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tForm_Load"));
    start();
    expectAppError(QStringLiteral("Form_Load"));
    EXPECT_EQ(c<QLineEdit>("TxtPre").text(), QString());
    c<QLineEdit>("TxtProjectNum").setText(QStringLiteral("5678"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCmdAdd_Click"));
    click("CmdAdd");
    EXPECT_TRUE(shownList().isEmpty());
    EXPECT_TRUE(t.files().folderExists(ListFile));
    click("CmdExit");
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("P:\\Projects\\"));
}

TEST_F(StartTest, WithoutTheHostTheWindowSaysSoAndEndsWithoutTouchingTheSettings)
{
    saveSetting(QStringLiteral("ProjectPrefix"), QStringLiteral("P:\\Projects\\"));
    t.stopHost();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    start();
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("P:\\Projects\\"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPensOn")), QString());
}

TEST_F(StartTest, TheHostGoneAtATickEndsTheProgramAfterSavingTheSettings)
{
    start();
    c<QCheckBox>("ChkPlot").setChecked(true);
    t.stopHost();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    t.dispatcher().run([&] { form->Timer1_Timer(); });
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(setting(QStringLiteral("ProjectPensOn")), QStringLiteral("True"));
    EXPECT_EQ(setting(QStringLiteral("ProjectTemplates")), QString());
}

TEST_F(StartTest, TheTimerFollowsTheDrawingTheUserSwitchesTo)
{
    start();
    EXPECT_EQ(control<forms::Timer>(*form, QStringLiteral("Timer1")).interval(), 3000);
    const auto other = host->addDocument();
    t.dispatcher().run([&] { form->Timer1_Timer(); });
    EXPECT_EQ(session.connection.document, other);
}

using ListTest = KandrelTest;

TEST_F(ListTest, AddAndRemoveRewriteTheWholeFileInTheOrderShown)
{
    writeList("5678\r\n1234\r\n");
    start();
    c<QLineEdit>("TxtProjectNum").setText(QStringLiteral("a-9"));
    click("CmdAdd");
    c<QLineEdit>("TxtProjectNum").setText(QStringLiteral("2000"));
    click("CmdAdd");
    click("CmdAdd");  // twice: listed twice
    EXPECT_EQ(c<QLineEdit>("TxtProjectNum").text(), QStringLiteral("2000"));
    EXPECT_EQ(shownList(), (QStringList{QStringLiteral("1234"), QStringLiteral("2000"), QStringLiteral("2000"),
                                        QStringLiteral("5678"), QStringLiteral("a-9")}));
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n2000\r\n2000\r\n5678\r\na-9\r\n"));

    selectRow(1);
    click("CmdRemove");
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n2000\r\n5678\r\na-9\r\n"));
    EXPECT_EQ(shownList().size(), 4);
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(ListTest, NothingToAddOrRemoveIsSaidAndARefusedNumberIsNotAdded)
{
    writeList("1234\r\n");
    start();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Project To Add From Project Number Text Box"));
    click("CmdAdd");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! No Project Pick From List Box To Remove"));
    click("CmdRemove");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);

    for (const QString& bad : {QStringLiteral("12;34"), QStringLiteral("12\t34"), QStringLiteral("12") + QChar(u'\x1b')}) {
        c<QLineEdit>("TxtProjectNum").setText(bad);
        t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! A Project Number Cannot Hold"));
        click("CmdAdd");
    }
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n"));
    EXPECT_EQ(shownList(), QStringList{QStringLiteral("1234")});
}

TEST_F(ListTest, AnEmptyLineIsAnEntryThatCanBeRemoved)
{
    writeList("1234\r\n\r\n5678\r\n");
    start();
    EXPECT_EQ(shownList(), (QStringList{QString(), QStringLiteral("1234"), QStringLiteral("5678")}));
    selectRow(0);
    click("CmdRemove");
    EXPECT_EQ(listBytes(), QByteArray("1234\r\n5678\r\n"));
}

TEST_F(ListTest, AWriteThatFailsChangesNeitherTheListNorTheFile)
{
    writeList("1234\r\n");
    start();
    // A folder where the list file was: no new file can take its place.
    ASSERT_TRUE(QFile::remove(t.files().hostPath(ListFile)));
    t.files().makeFolder(ListFile);
    c<QLineEdit>("TxtProjectNum").setText(QStringLiteral("5678"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCmdAdd_Click"));
    click("CmdAdd");
    expectAppError(QStringLiteral("CmdAdd_Click"));
    EXPECT_EQ(shownList(), QStringList{QStringLiteral("1234")});

    selectRow(0);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCmdRemove_Click"));
    click("CmdRemove");
    EXPECT_EQ(shownList(), QStringList{QStringLiteral("1234")});
}

using PanelTest = KandrelTest;

TEST_F(PanelTest, SettingsWidenAndNarrowTheWindow)
{
    FrmMain& f = start();
    QPushButton& button = c<QPushButton>("CmdSetting");
    QLineEdit& prefix = c<QLineEdit>("TxtPre");
    EXPECT_EQ(button.text(), QStringLiteral("Settings>>"));
    EXPECT_EQ(f.settingState(), 0);
    EXPECT_FALSE(prefix.isVisible());
    const int narrow = f.width();
    EXPECT_GE(narrow, forms::twipsToPixels(6360));

    click("CmdSetting");
    EXPECT_EQ(button.text(), QStringLiteral("<<Settings"));
    EXPECT_EQ(f.settingState(), -1);
    EXPECT_TRUE(prefix.isVisible());
    EXPECT_GE(f.width(), forms::twipsToPixels(9555));
    EXPECT_GT(f.width(), narrow);

    click("CmdSetting");
    EXPECT_EQ(button.text(), QStringLiteral("Settings>>"));
    EXPECT_EQ(f.settingState(), 0);
    EXPECT_FALSE(prefix.isVisible());
    EXPECT_EQ(f.width(), narrow);
}

TEST_F(PanelTest, ClosingSavesTheFiveSettingsAsShown)
{
    start();
    c<QLineEdit>("TxtPre").setText(QStringLiteral("P:\\"));
    c<QLineEdit>("TxtSuff").setText(QStringLiteral("\\Dwg"));
    c<QLineEdit>("TxtTemp").setText(QStringLiteral("\\Templates"));
    c<QLineEdit>("TxtPlot").setText(QStringLiteral("\\Styles"));
    form->close();
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(setting(QStringLiteral("ProjectPrefix")), QStringLiteral("P:\\"));
    EXPECT_EQ(setting(QStringLiteral("ProjectSuffix")), QStringLiteral("\\Dwg"));
    EXPECT_EQ(setting(QStringLiteral("ProjectTemplates")), QStringLiteral("\\Templates"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPens")), QStringLiteral("\\Styles"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPensOn")), QStringLiteral("False"));
    EXPECT_EQ(setting(QStringLiteral("ProjectPath")), QString());
}

}  // namespace
