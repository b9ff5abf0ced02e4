#include "DrosselFixture.h"

#include "batch/drossel/FrmSetting.h"
#include "platform/cad/CadErrors.h"

#include <QPushButton>
#include <QRadioButton>

using namespace drossel;
using namespace drossel::test;

class WindowPick : public DrosselTest {
protected:
    void SetUp() override
    {
        start();
        press(0, Qt::RightButton);
        // Both windows must be hidden whenever the host asks for a point.
        user.setFailureHook([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
        host->journal().clear();
    }

    FrmSetting& window() { return form->settingsWindow(); }

    void pickWindow() { control<QPushButton>(window(), "CmdWindow").click(); }

    void expectBothShown()
    {
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(window().isVisible());
    }

    // A user whose every answer is checked against the windows' state.
    class WatchingUser : public standin::User {
    public:
        WatchingUser(standin::ScriptedUser& inner, QWidget* a, QWidget* b) : inner_(inner), a_(a), b_(b) {}
        standin::PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) override
        {
            EXPECT_FALSE(a_->isVisible() || b_->isVisible()) << "a window is in the way of the pick";
            return inner_.askPoint(prompt, base);
        }
        standin::SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& c) override
        {
            return inner_.askSelection(c);
        }

    private:
        standin::ScriptedUser& inner_;
        QWidget* a_;
        QWidget* b_;
    };
};

TEST_F(WindowPick, TwoPointsStoreTheHostsCornersAndSwitchToWindowPlotting)
{
    WatchingUser watching(user, form.get(), &window());
    host->setUser(&watching);
    user.point(10, 20).point(0, 5);
    ui.expectMsgBox(forms::msgbox::Ok);
    pickWindow();

    EXPECT_EQ(user.prompts(), (QStringList{QStringLiteral("Click the lower-left of the window."),
                                           QStringLiteral("Click the upper-right of the window.")}));
    EXPECT_EQ(journal({QStringLiteral("Layout.SetWindowToPlot")}),
              (QStringList{QStringLiteral("Layout.SetWindowToPlot 10,20 0,5")}));
    EXPECT_EQ(module->WindowLowerLeft, (cad::Point2{0, 5}));
    EXPECT_EQ(module->WindowUpperRight, (cad::Point2{10, 20}));
    EXPECT_TRUE(module->WindowPlot);
    EXPECT_TRUE(control<QRadioButton>(window(), "OptWindow").isEnabled());
    EXPECT_TRUE(control<QRadioButton>(window(), "OptWindow").isChecked());
    EXPECT_FALSE(control<QRadioButton>(window(), "OptExtents").isEnabled());
    EXPECT_EQ(ui.last().text, QStringLiteral("Lower Left: 0, 5\r\nUpper Right: 10, 20"));
    EXPECT_EQ(ui.last().style, forms::msgbox::OkOnly);
    expectBothShown();
    host->setUser(&user);

    // The next plot is of that window.
    setUpButton(0, Laser, Letter);
    saveSetting(DrosselSettings::CloseExit, DrosselSettings::False);
    press(0);
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_EQ(host->plotJobs()[0].plotType, cad::plotType::Window);

    // Opened again, the window is back on extents.
    window().close();
    press(0, Qt::RightButton);
    EXPECT_FALSE(module->WindowPlot);
    EXPECT_TRUE(control<QRadioButton>(window(), "OptExtents").isChecked());
}

TEST_F(WindowPick, EnterAtTheSecondPointWritesNoWindowAndKeepsTheEarlierCorners)
{
    module->WindowLowerLeft = cad::Point2{1, 1};
    module->WindowUpperRight = cad::Point2{2, 2};
    user.point(10, 20).enter();
    pickWindow();

    EXPECT_TRUE(journal({QStringLiteral("Layout.SetWindowToPlot")}).isEmpty());
    EXPECT_EQ(module->WindowLowerLeft, (cad::Point2{1, 1}));
    EXPECT_EQ(module->WindowUpperRight, (cad::Point2{2, 2}));
    EXPECT_FALSE(module->WindowPlot);
    expectBothShown();
}

TEST_F(WindowPick, APromptTheHostKeepsFailingIsAskedAFewTimesThenTakenAsCancelled)
{
    host->failures().failAlways(QStringLiteral("Utility.GetPoint"), cad::err::ExceptionOccurred);
    pickWindow();

    EXPECT_EQ(journal({QStringLiteral("Utility.GetPoint")}).size(), 1 + FrmSetting::PickRetries);
    EXPECT_TRUE(journal({QStringLiteral("Layout.SetWindowToPlot")}).isEmpty());
    EXPECT_FALSE(module->WindowLowerLeft.has_value());
    expectBothShown();
}

TEST_F(WindowPick, EscAtEitherCornerEndsThePickAtOnce)
{
    module->WindowLowerLeft = cad::Point2{1, 1};
    user.esc();
    pickWindow();
    EXPECT_EQ(user.prompts(), (QStringList{QStringLiteral("Click the lower-left of the window.")}));
    expectBothShown();

    user.point(10, 20).esc();
    pickWindow();
    EXPECT_EQ(journal({QStringLiteral("Utility.GetPoint")}).size(), 3);
    EXPECT_TRUE(journal({QStringLiteral("Layout.SetWindowToPlot")}).isEmpty());
    EXPECT_EQ(module->WindowLowerLeft, (cad::Point2{1, 1}));
    EXPECT_FALSE(module->WindowPlot);
    expectBothShown();
}

TEST_F(WindowPick, ACancelInTheLastPromptCountsInAnyCase)
{
    // The prompt fails before the host shows it, with its command line
    // still reading a cancel.
    host->context().setAppVariable(QStringLiteral("LASTPROMPT"), QStringLiteral("Command: *CANCEL*"));
    host->failures().failNext(QStringLiteral("Utility.GetPoint"), cad::err::ExceptionOccurred);
    pickWindow();
    EXPECT_EQ(journal({QStringLiteral("Utility.GetPoint")}).size(), 1);
    expectBothShown();
}

TEST_F(WindowPick, APromptThatFailsOnceIsAskedAgain)
{
    host->failures().failNext(QStringLiteral("Utility.GetPoint"), cad::err::ExceptionOccurred);
    user.point(0, 0).point(3, 4);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Upper Right: 3, 4"));
    pickWindow();
    EXPECT_EQ(module->WindowUpperRight, (cad::Point2{3, 4}));
}

TEST_F(WindowPick, AWindowTheHostRefusesIsReportedAndTheWindowsComeBack)
{
    host->failures().failNext(QStringLiteral("Layout.SetWindowToPlot"), cad::err::InvalidInput);
    user.point(0, 0).point(3, 4);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("  Location: CmdWindow_Click"));
    pickWindow();

    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
    EXPECT_FALSE(module->WindowLowerLeft.has_value());
    EXPECT_FALSE(module->WindowUpperRight.has_value());
    EXPECT_FALSE(module->WindowPlot);
    expectBothShown();
}
