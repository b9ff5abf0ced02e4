#include "FlyFixture.h"

#include "launchers/fly/FrmSettings.h"
#include "platform/shell/ProgramIcons.h"
#include "platform/testing/LayoutCheck.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fly::test {

class FrmSettingsTest : public FlyTest {
protected:
    FrmSettings& open()
    {
        if (!form.isLoaded())
            start();
        clickLabel("LblSettings");
        return settings();
    }
    FrmSettings& settings() { return testing_env::control<FrmSettings>(form, "FrmSettings"); }
    QLineEdit& path(int index) { return testing_env::control<QLineEdit>(settings(), "TxtPath", index); }
    void browse(int index) { testing_env::control<QPushButton>(settings(), "CmdBrowse", index).click(); }

    // The settings file cannot be read while a folder stands in its place.
    void breakStore()
    {
        QFile::remove(t.settings().path());
        ASSERT_TRUE(QDir().mkpath(t.settings().path()));
    }
    void mendStore() { ASSERT_TRUE(QDir().rmdir(t.settings().path())); }
};

TEST_F(FrmSettingsTest, TenRowsShowTheStoredPathsOrTheirDefaults)
{
    store(7, R"(C:\Tools\paint.exe)");
    open();
    EXPECT_EQ(settings().caption(), "Options...   (Tarvo Solutions)");
    EXPECT_TRUE(settings().windowFlags().testFlag(Qt::Tool));
    for (int index = 0; index < Session::ButtonCount; ++index) {
        EXPECT_EQ(testing_env::control<QLabel>(settings(), "LblButton", index).text(),
                  QStringLiteral("Button %1:").arg(index + 1));
        EXPECT_EQ(testing_env::control<QPushButton>(settings(), "CmdBrowse", index).text(), "...");
    }
    EXPECT_EQ(path(0).text(), R"(C:\Program Files\Internet Explorer\Iexplore.exe)");
    EXPECT_EQ(path(7).text(), R"(C:\Tools\paint.exe)");
    EXPECT_EQ(path(9).text(), R"(c:\Winnt\system32\calc.exe)");
}

TEST_F(FrmSettingsTest, ShowsEveryCaptionWhole)
{
    // The palette's own places are the slide rule's, kept in twips as drawn.
    open();
    EXPECT_EQ(testing_env::layoutFaults(settings(), QStringLiteral("fly-settings")), QStringList());
}

TEST_F(FrmSettingsTest, BrowsingFillsOnlyItsRowAndACancelSaysSoAndKeepsIt)
{
    open();
    t.ui().expectOpenFile(R"(C:\Program\Mervane.exe)");
    browse(4);
    EXPECT_EQ(path(4).text(), R"(C:\Program\Mervane.exe)");
    EXPECT_EQ(path(5).text(), Session::defaultPath(5));
    EXPECT_EQ(t.ui().last().title, "Open File");

    t.ui().expectOpenFile("");
    t.ui().expectMsgBox(forms::msgbox::Ok, "Canceled...");
    browse(5);
    EXPECT_EQ(t.ui().last().style, forms::msgbox::Information);
    EXPECT_EQ(t.ui().last().caption, "Fly");
    EXPECT_EQ(path(5).text(), Session::defaultPath(5));
}

TEST_F(FrmSettingsTest, ClosingSavesTheTenPathsAsTypedAndRedrawsThePalette)
{
    t.shell().addProgram(R"(C:\Program\Mervane.exe)");
    open();
    path(1).setText(R"(C:\Program\Mervane.exe)");
    path(2).setText("");
    path(3).setText(R"(  not a path  )");
    settings().close();

    EXPECT_EQ(stored(0), Session::defaultPath(0));
    EXPECT_EQ(stored(1), R"(C:\Program\Mervane.exe)");
    EXPECT_EQ(stored(2), "");
    EXPECT_EQ(stored(3), R"(  not a path  )");
    EXPECT_EQ(pic(1).toolTip(), R"(C:\Program\Mervane.exe)");
    EXPECT_EQ(image(pic(1).icon()), image(shell::ProgramIcons::suiteIcon("mervane")));
    EXPECT_FALSE(t.dispatcher().ended());

    // The emptied button shows nothing and reports its click.
    EXPECT_TRUE(pic(2).icon().isNull());
    t.ui().expectMsgBox(forms::msgbox::Ok, "Access to this key is denied");
    pic(2).click();
}

TEST_F(FrmSettingsTest, AFailedLoadSavesNoBlanksOnClosing)
{
    store(0, R"(C:\kept\zero.exe)");
    store(6, R"(C:\kept\six.exe)");
    start();
    breakStore();
    for (int row = 0; row < Session::ButtonCount; ++row)
        t.ui().expectMsgBox(forms::msgbox::Ignore, "Error#75 Location: Settings_Load");
    open();
    EXPECT_EQ(path(0).text(), "");
    mendStore();
    store(0, R"(C:\kept\zero.exe)");
    store(6, R"(C:\kept\six.exe)");

    path(3).setText(R"(C:\typed\three.exe)");
    settings().close();
    EXPECT_EQ(stored(0), R"(C:\kept\zero.exe)");
    EXPECT_EQ(stored(3), R"(C:\typed\three.exe)");
    EXPECT_EQ(stored(6), R"(C:\kept\six.exe)");
    EXPECT_EQ(stored(9), "<none>");
    EXPECT_EQ(pic(6).toolTip(), R"(C:\kept\six.exe)");
}

TEST_F(FrmSettingsTest, AFailedSaveIsReportedUnderSettingsUnload)
{
    open();
    breakStore();
    t.ui().expectMsgBox(forms::msgbox::Abort, "Error#75 Location: Settings_UnLoad");
    settings().close();
    EXPECT_TRUE(t.dispatcher().ended());
    mendStore();
}

}  // namespace fly::test
