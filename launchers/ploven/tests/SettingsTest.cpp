#include "PlovenFixture.h"

#include "launchers/ploven/Browse.h"
#include "launchers/ploven/Qel_Ploven_Settings.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/DriveListBox.h"
#include "platform/testing/LayoutCheck.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

namespace ploven::test {

class SettingsTest : public PlovenTest {
protected:
    SettingsTest()
    {
        makeFiles(R"(C:\)", {"a.lsp"});
        makeFiles(R"(C:\Lisp)", {"b.lsp"});
    }

    Qel_Ploven_Settings& settings() { return testing_env::control<Qel_Ploven_Settings>(form, "Qel_Ploven_Settings"); }
    Browse& browse() { return testing_env::control<Browse>(form, "Browse"); }
    QLineEdit& text1() { return testing_env::control<QLineEdit>(settings(), "Text1"); }

    void openSettings()
    {
        start();
        click("CmdSettings");
    }
    void press(QWidget& owner, const char* name) { testing_env::control<QPushButton>(owner, name).click(); }
};

TEST_F(SettingsTest, EveryWindowShowsEveryCaptionWhole)
{
    openSettings();
    press(settings(), "Command2");
    EXPECT_EQ(testing_env::layoutFaults(form, QStringLiteral("ploven-main")), QStringList());
    EXPECT_EQ(testing_env::layoutFaults(settings(), QStringLiteral("ploven-settings")), QStringList());
    EXPECT_EQ(testing_env::layoutFaults(browse(), QStringLiteral("ploven-browse")), QStringList());
}

TEST_F(SettingsTest, TheFormShowsTheFolderAsItIsSpelled)
{
    storeLocation(R"(C:\\Lisp\\)");
    openSettings();
    EXPECT_EQ(text1().text(), R"(C:\\Lisp\\)");
    EXPECT_EQ(settings().caption(), "Settings");
}

TEST_F(SettingsTest, ApplyStoresTheFolderAsTypedRefillsAndCloses)
{
    openSettings();
    EXPECT_EQ(text1().text(), R"(c:\)");
    text1().setText(R"(C:\Lisp)");
    press(settings(), "Command1");

    EXPECT_EQ(storedLocation(), R"(C:\Lisp)");
    EXPECT_EQ(module.Location, R"(C:\Lisp)");
    EXPECT_EQ(listed(), QStringList{"b.lsp"});
    EXPECT_FALSE(settings().isLoaded());
}

TEST_F(SettingsTest, AnEmptyFolderIsRefused)
{
    openSettings();
    text1().clear();
    t.ui().expectMsgBox(forms::msgbox::Ok, "No Dirtectory to Add...");
    press(settings(), "Command1");
    EXPECT_EQ(t.ui().last().style, forms::msgbox::Critical);
    EXPECT_EQ(storedLocation(), "<none>");
    EXPECT_TRUE(settings().isLoaded());
}

TEST_F(SettingsTest, ClosingTheFormDiscardsTheText)
{
    openSettings();
    text1().setText(R"(C:\Elsewhere\)");
    settings().close();
    EXPECT_EQ(storedLocation(), "<none>");
    EXPECT_EQ(module.Location, R"(c:\)");
}

TEST_F(SettingsTest, ThePickerHandsTheFolderDoubledWithItsClosingBackslash)
{
    t.drive("D");
    makeFiles(R"(D:\tools\lisp)", {"c.lsp"});
    openSettings();
    press(settings(), "Command2");
    EXPECT_EQ(testing_env::control<forms::DirListBox>(browse(), "Dir1").path(), R"(C:\)");

    testing_env::control<forms::DriveListBox>(browse(), "Drive1").setDrive("d:");
    EXPECT_EQ(testing_env::control<forms::DirListBox>(browse(), "Dir1").path(), R"(D:\)");
    testing_env::control<forms::DirListBox>(browse(), "Dir1").setPath(R"(D:\tools\lisp)");
    press(browse(), "Command1");
    EXPECT_EQ(text1().text(), R"(D:\\tools\\lisp\\)");
    EXPECT_FALSE(browse().isLoaded());
    EXPECT_EQ(storedLocation(), "<none>");

    // Applied, it is stored in that spelling and loads the right file.
    press(settings(), "Command1");
    EXPECT_EQ(storedLocation(), R"(D:\\tools\\lisp\\)");
    select("c.lsp");
    t.ui().expectMsgBox(forms::msgbox::Ok);
    click("CmdLoad");
    EXPECT_EQ(t.ui().last().text, R"((load "D:\\tools\\lisp\\c.lsp"))");
}

TEST_F(SettingsTest, ADriveRootReachesTheFormWithTwoBackslashesAndCancelChangesNothing)
{
    openSettings();
    press(settings(), "Command2");
    press(browse(), "Command1");
    EXPECT_EQ(text1().text(), R"(C:\\)");

    text1().setText("kept");
    press(settings(), "Command2");
    press(browse(), "Command2");
    EXPECT_EQ(text1().text(), "kept");
}

TEST_F(SettingsTest, ADriveThatCannotBeReadLeavesThePickerWhereItWas)
{
    const QString d = t.drive("D");
    openSettings();
    press(settings(), "Command2");
    auto& drives = testing_env::control<forms::DriveListBox>(browse(), "Drive1");
    drives.refresh();
    ASSERT_TRUE(QDir(d).removeRecursively());
    // The user picks drive D: in the list.
    auto* combo = drives.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    ASSERT_GE(combo->findText("d:"), 0);
    emit combo->activated(combo->findText("d:"));
    EXPECT_EQ(testing_env::control<forms::DirListBox>(browse(), "Dir1").path(), R"(C:\)");
    EXPECT_EQ(drives.drive(), "c:");
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(SettingsTest, WithoutDriveCThePickerSaysSo)
{
    openSettings();
    ASSERT_TRUE(QDir(t.drive("C")).removeRecursively());
    t.ui().expectMsgBox(forms::msgbox::Ok, R"(Warning!!! No c:\ Detected...)");
    press(settings(), "Command2");
    EXPECT_EQ(t.ui().last().style, forms::msgbox::OkOnly);
    EXPECT_TRUE(browse().isVisible());
}

}  // namespace ploven::test
