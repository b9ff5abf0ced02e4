#include "TarvoFixture.h"

#include "platform/testing/LayoutCheck.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tarvo::test {

class FrmPreferencesTest : public TarvoTest {
protected:
    // The settings form as the launcher's menu opens it.
    void open()
    {
        if (!form.isLoaded()) {
            start();
            t.shell().clearCalls();
        }
        t.dispatcher().run([&] { preferences.show(); });
    }

    QLineEdit& text(const char* name) { return testing_env::control<QLineEdit>(preferences, name); }
    QRadioButton& option(const char* name) { return testing_env::control<QRadioButton>(preferences, name); }
    void click(const char* name) { testing_env::control<QPushButton>(preferences, name).click(); }

    // The settings file cannot be read while a folder stands in its place.
    void breakStore()
    {
        QFile::remove(t.settings().path());
        ASSERT_TRUE(QDir().mkpath(t.settings().path()));
    }
    void mendStore() { ASSERT_TRUE(QDir().rmdir(t.settings().path())); }
};

TEST_F(FrmPreferencesTest, WithNothingStoredTheDefaultsShowAndTheSideBarIsOn)
{
    open();
    EXPECT_EQ(text("TxtLeft").text(), R"(c:\Program Files\Autocad 2002\Acad.exe)");
    EXPECT_EQ(text("TxtMiddle").text(), R"(c:\Program Files\Autocad 2000i\Acad.exe)");
    EXPECT_EQ(text("TxtFavorites").text(), R"(c:\)");
    EXPECT_TRUE(option("OptSidBar").isChecked());
    EXPECT_FALSE(option("OptSideBarOff").isChecked());
    EXPECT_EQ(text("TxtLeft").toolTip(), " Left Button Click On Icon...");
    EXPECT_EQ(preferences.caption(), "User Settings...");
}

TEST_F(FrmPreferencesTest, TheSettingsAndAboutShowEveryCaptionWhole)
{
    open();
    EXPECT_EQ(testing_env::layoutFaults(preferences, QStringLiteral("tarvo-settings")), QStringList());
    t.dispatcher().run([&] { about.show(); });
    EXPECT_EQ(testing_env::layoutFaults(about, QStringLiteral("tarvo-about")), QStringList());
}

TEST_F(FrmPreferencesTest, SaveWritesTheFourSettingsAsTypedAndCloses)
{
    store("SideBar", "true");
    open();
    // Anything but "True" exactly reads as off, and saving says so plainly.
    EXPECT_TRUE(option("OptSideBarOff").isChecked());
    text("TxtLeft").setText(R"(C:\No Such\cad.exe)");
    text("TxtFavorites").setText("");
    click("CmdSaveSettings");

    EXPECT_EQ(stored("LBUTTONDBLCLK"), R"(C:\No Such\cad.exe)");
    EXPECT_EQ(stored("CBUTTONDBLCLK"), R"(c:\Program Files\Autocad 2000i\Acad.exe)");
    EXPECT_EQ(stored("Favor"), "");
    EXPECT_EQ(stored("SideBar"), "False");
    EXPECT_FALSE(preferences.isLoaded());
}

TEST_F(FrmPreferencesTest, TheCloseBoxDiscardsAndTheNextOpeningReloads)
{
    open();
    text("TxtMiddle").setText("changed");
    option("OptSideBarOff").click();
    preferences.close();
    EXPECT_EQ(stored("CBUTTONDBLCLK"), "<none>");
    EXPECT_EQ(stored("SideBar"), "<none>");

    store("CBUTTONDBLCLK", "stored meanwhile");
    open();
    EXPECT_EQ(text("TxtMiddle").text(), "stored meanwhile");
    EXPECT_TRUE(option("OptSidBar").isChecked());
}

TEST_F(FrmPreferencesTest, PickingAProgramReplacesOnlyItsRowAndCancelKeepsIt)
{
    open();
    t.ui().expectOpenFile(R"(C:\Tools\draw.exe)");
    click("CmdMiddle");
    EXPECT_EQ(text("TxtMiddle").text(), R"(C:\Tools\draw.exe)");
    EXPECT_EQ(text("TxtLeft").text(), R"(c:\Program Files\Autocad 2002\Acad.exe)");
    EXPECT_EQ(t.ui().last().title, "Open File");
    EXPECT_EQ(t.ui().last().request.filters.first().label, " (*.exe)");

    t.ui().expectOpenFile("");
    t.ui().expectMsgBox(forms::msgbox::Ok);
    click("CmdLeft");
    expectBox("Canceled...", forms::msgbox::Information);
    EXPECT_EQ(text("TxtLeft").text(), R"(c:\Program Files\Autocad 2002\Acad.exe)");
}

TEST_F(FrmPreferencesTest, TheFavouritesBrowserFillsTheFolderAndACancelKeepsTheOldOne)
{
    store("Favor", R"(D:\Favourites)");
    open();
    t.ui().expectFolder("");
    click("CmdFavorites");
    EXPECT_EQ(t.ui().last().title, R"(C:\)");
    EXPECT_EQ(text("TxtFavorites").text(), R"(D:\Favourites)");
    click("CmdSaveSettings");
    EXPECT_EQ(stored("Favor"), R"(D:\Favourites)");

    open();
    t.ui().expectFolder(R"(C:\Jobs\Favourites)");
    click("CmdFavorites");
    EXPECT_EQ(text("TxtFavorites").text(), R"(C:\Jobs\Favourites)");
}

TEST_F(FrmPreferencesTest, AFailedLoadDoesNotSaveTheRowsItLeftBlank)
{
    store("LBUTTONDBLCLK", "kept");
    store("Favor", R"(D:\kept)");
    start();
    breakStore();
    t.ui().expectMsgBox(forms::msgbox::Ok, "  Location: Form_Load");
    open();
    EXPECT_EQ(t.ui().last().caption, "75");
    EXPECT_EQ(text("TxtLeft").text(), "");
    mendStore();

    // The user fills one row and saves.
    store("LBUTTONDBLCLK", "kept");
    store("Favor", R"(D:\kept)");
    text("TxtMiddle").setText("typed");
    click("CmdSaveSettings");
    EXPECT_EQ(stored("LBUTTONDBLCLK"), "kept");
    EXPECT_EQ(stored("CBUTTONDBLCLK"), "typed");
    EXPECT_EQ(stored("Favor"), R"(D:\kept)");
    EXPECT_EQ(stored("SideBar"), "<none>");
    EXPECT_FALSE(preferences.isLoaded());
}

TEST_F(FrmPreferencesTest, AFailedSaveIsReportedAndTheFormStays)
{
    open();
    breakStore();
    t.ui().expectMsgBox(forms::msgbox::Ok, "  Location: CmdSaveSettings_Click");
    click("CmdSaveSettings");
    EXPECT_TRUE(preferences.isLoaded());
    mendStore();
}

TEST_F(FrmPreferencesTest, TheAboutWindowShowsTheVersionAndClosesOnOK)
{
    t.program().major = 2;
    t.program().minor = 1;
    t.program().revision = 0;
    t.dispatcher().run([&] { about.show(); });
    EXPECT_EQ(testing_env::control<QLabel>(about, "lblVersion").text(), "Version 2.1.0");
    EXPECT_EQ(about.caption(), "About...");
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::Tool));

    testing_env::control<QPushButton>(about, "cmdOK").click();
    EXPECT_FALSE(about.isLoaded());
    EXPECT_FALSE(about.isVisible());
}

}  // namespace tarvo::test
