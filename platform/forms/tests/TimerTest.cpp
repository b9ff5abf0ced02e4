#include "platform/forms/Dispatcher.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/Error.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

using forms::Timer;

namespace {

class TimerTest : public ::testing::Test {
protected:
    TimerTest()
    {
        ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    }

    forms::ScriptedInteraction ui{QStringLiteral("Cottrel")};
    forms::Dispatcher dispatcher{ui};
};

}  // namespace

TEST_F(TimerTest, FiresOnlyWhenEnabledWithAnInterval)
{
    Timer timer(dispatcher);
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.fire();  // interval 0: a timer that never ticks
    EXPECT_EQ(ticks, 0);
    timer.setInterval(100);
    EXPECT_TRUE(timer.isTicking());
    timer.fire();
    EXPECT_EQ(ticks, 1);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isTicking());
    timer.fire();
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, TicksWhileTheLoopRuns)
{
    Timer timer(dispatcher);
    QEventLoop loop;
    int ticks = 0;
    timer.setHandler([&] {
        if (++ticks == 3)
            loop.quit();
    });
    timer.setInterval(5);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, TickDuringItsOwnHandlerIsDropped)
{
    // A box shown from the handler lets the timer fire again underneath.
    Timer timer(dispatcher);
    timer.setInterval(100);
    int entered = 0;
    timer.setHandler([&] {
        ++entered;
        timer.fire();
    });
    timer.fire();
    EXPECT_EQ(entered, 1);
    timer.fire();
    EXPECT_EQ(entered, 2);
}

TEST_F(TimerTest, ErrorInTheHandlerIsReportedAndEndsTheTicks)
{
    Timer timer(dispatcher);
    timer.setInterval(100);
    int ticks = 0;
    timer.setHandler([&] {
        ++ticks;
        runtime::raise(runtime::err::CannotCreateObject);
    });
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Run-time error '429':"));
    timer.fire();
    timer.fire();
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(TimerTest, HandlerMayDeleteItsTimer)
{
    auto* timer = new Timer(dispatcher);
    timer->setInterval(100);
    timer->setHandler([&] { delete timer; });
    timer->fire();
    SUCCEED();
}
