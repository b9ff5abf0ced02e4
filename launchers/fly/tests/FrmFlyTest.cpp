#include "FlyFixture.h"

#include "launchers/fly/FrmSettings.h"
#include "launchers/fly/SlideRule.h"
#include "platform/forms/TopMost.h"
#include "platform/shell/ProgramIcons.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace fly::test {

namespace {

// The strip's bottom in pixels as the slide rule reckons it: Top 2500 twips
// lands on pixel 167, and 371 pixels of height below it.
constexpr int StripBottom = (167 * 15 + 5565) / 15;

}  // namespace

TEST_F(FlyTest, TheStripLoadsBorderlessAtTheRightEdgeWithOnePixelShowing)
{
    start();
    EXPECT_EQ(form.pos(), QPoint(ScreenWidth - 1, 167));
    EXPECT_EQ(form.size(), QSize(40, 371));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(forms::isTopMost(&form));
    EXPECT_EQ(testing_env::control<QLabel>(form, "LblSettings").palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(testing_env::control<QLabel>(form, "LblExit").palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const auto& timer = testing_env::control<forms::Timer>(form, "Timer1");
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(timer.interval(), 1);
}

TEST_F(FlyTest, ThePointerAtTheEdgeInTheBandSlidesTheStripInAndItFloats)
{
    start();
    tick(600, 400);
    EXPECT_TRUE(hidden());
    tick(ScreenWidth - 5, 400);
    EXPECT_TRUE(shown());
    EXPECT_EQ(form.pos().y(), 167);
    EXPECT_TRUE(forms::isTopMost(&form));
    // Just beyond the edge counts as the edge; further out (a second screen)
    // is off the strip.
    tick(ScreenWidth + 3, 200);
    EXPECT_TRUE(shown());
    tick(ScreenWidth + 30, 200);
    EXPECT_TRUE(hidden());
}

TEST_F(FlyTest, TheStripStaysWhileThePointerIsOverItOrInTheSlackBelow)
{
    start();
    tick(ScreenWidth - 1, 300);
    ASSERT_TRUE(shown());
    tick(ScreenWidth - 40, 300);  // its left column
    EXPECT_TRUE(shown());
    tick(ScreenWidth - 20, StripBottom + 20);
    EXPECT_TRUE(shown());
    tick(ScreenWidth - 20, StripBottom + 25);
    EXPECT_TRUE(shown());
    tick(ScreenWidth - 20, StripBottom + 26);
    EXPECT_TRUE(hidden());
}

TEST_F(FlyTest, AtTheEdgeInTheSlackBelowTheStripItStaysShownOnceShown)
{
    start();
    const int y = (2500 + 5565) / 15 + 20;
    tick(ScreenWidth - 1, 300);
    tick(ScreenWidth - 1, y);
    EXPECT_TRUE(shown());
    tick(ScreenWidth - 1, y);
    EXPECT_TRUE(shown());
}

TEST_F(FlyTest, TouchingTheEdgeAboveTheBandShowsNothingBeyondTheTick)
{
    start();
    tick(ScreenWidth - 1, 100);
    EXPECT_TRUE(hidden());
    // It floated all the same: the edge was reached.
    EXPECT_TRUE(forms::isTopMost(&form));
    tick(ScreenWidth - 1, 166);
    EXPECT_TRUE(hidden());
    tick(ScreenWidth - 1, 167);
    EXPECT_TRUE(shown());
}

TEST_F(FlyTest, ThreePixelsLeftOfTheStripItHidesAtTheNextTick)
{
    start();
    tick(ScreenWidth - 1, 300);
    ASSERT_TRUE(shown());
    tick(ScreenWidth - 40 - 3, 300);
    EXPECT_TRUE(hidden());
    // Hidden, the strip is not under the pointer that comes back over it.
    tick(ScreenWidth - 20, 300);
    EXPECT_TRUE(hidden());
}

TEST_F(FlyTest, ASmallerScreenMovesTheEdge)
{
    t.desktop().setScreenSize({800, 600});
    start();
    EXPECT_EQ(left(), 799);
    tick(796, 300);
    EXPECT_EQ(left(), 760);
}

TEST(SlideRuleTest, WorksInTwipsAtFifteenToThePixel)
{
    const SlideRule::Strip hiddenStrip{19200, 2505, 600, 600, 5565};
    const SlideRule::Placement in = SlideRule::tick({1275, 2505 / 15}, {1280, 1024}, hiddenStrip);
    EXPECT_EQ(in.left, 19200 - 600);
    EXPECT_EQ(in.top, 2500);
    EXPECT_TRUE(in.topMost);
    // 1274 is six pixels from the edge: not the edge.
    const SlideRule::Placement out = SlideRule::tick({1274, 300}, {1280, 1024}, hiddenStrip);
    EXPECT_EQ(out.left, 19200);
    EXPECT_FALSE(out.topMost);
}

TEST_F(FlyTest, ButtonsShowTheirProgramsIconsAndMissingProgramsStayBlank)
{
    t.shell().addProgram(R"(C:\Program\Mervane.exe)");
    t.shell().addProgram(R"(C:\Tools\draw.exe)");
    store(3, R"(C:\Program\Mervane.exe)");
    store(4, R"(C:\Tools\draw.exe)");
    start();

    EXPECT_EQ(image(pic(3).icon()), image(shell::ProgramIcons::suiteIcon("Mervane")));
    EXPECT_EQ(image(pic(4).icon()), image(shell::ProgramIcons::plainIcon()));
    for (int index : {0, 1, 2, 5, 6, 7, 8, 9}) {
        EXPECT_TRUE(pic(index).icon().isNull()) << index;
        EXPECT_EQ(pic(index).toolTip(), Session::defaultPath(index));
    }
    EXPECT_EQ(pic(0).toolTip(), R"(C:\Program Files\Internet Explorer\Iexplore.exe)");
    EXPECT_EQ(pic(9).toolTip(), R"(c:\Winnt\system32\calc.exe)");
}

TEST_F(FlyTest, AButtonStartsThePathItsTooltipHolds)
{
    t.shell().addProgram(R"(C:\Program Files\Draft 2\draw.exe)");
    store(2, R"(C:\Program Files\Draft 2\draw.exe)");
    start();
    pic(2).click();
    EXPECT_EQ(t.shell().callsOf(Kind::StartProgram),
              (QList<shell::ShellCall>{{Kind::StartProgram, R"(C:\Program Files\Draft 2\draw.exe)", 1}}));
}

TEST_F(FlyTest, AMissingOrEmptyProgramIsReportedUnderPicClick)
{
    store(5, "");
    start();
    EXPECT_TRUE(pic(5).icon().isNull());
    EXPECT_EQ(pic(5).toolTip(), "");

    t.ui().expectMsgBox(forms::msgbox::Ignore, "Error#53 Location: Pic_Click");
    pic(0).click();
    EXPECT_EQ(t.ui().last().caption, "Error");
    EXPECT_EQ(t.ui().last().style, 50);
    // An empty path is the start's invalid argument, which the suite's
    // reporter words as its registry message for that number.
    t.ui().expectMsgBox(forms::msgbox::Ok, "Access to this key is denied");
    pic(5).click();
}

TEST_F(FlyTest, ExitEndsAtOnceWithoutSavingAnOpenSettingsWindow)
{
    start();
    clickLabel("LblSettings");
    auto& settings = testing_env::control<FrmSettings>(form, "FrmSettings");
    EXPECT_TRUE(settings.isVisible());
    testing_env::control<QLineEdit>(settings, "TxtPath", 0).setText("typed");

    clickLabel("LblExit");
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(stored(0), "<none>");
    EXPECT_TRUE(t.ui().records().isEmpty());
}

}  // namespace fly::test
