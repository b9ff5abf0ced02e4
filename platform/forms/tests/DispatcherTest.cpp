#include "platform/forms/Dispatcher.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/Error.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

using forms::Dispatcher;
using forms::ScriptedInteraction;

namespace {

class DispatcherTest : public ::testing::Test {
protected:
    DispatcherTest()
    {
        ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    }

    ScriptedInteraction ui{QStringLiteral("Stavrin")};
    Dispatcher dispatcher{ui};
};

struct Counter {
    int calls = 0;
    int lastValue = -1;
    void bump() { ++calls; }
    void take(int value)
    {
        ++calls;
        lastValue = value;
    }
};

}  // namespace

TEST_F(DispatcherTest, ProgramEndEndsWithItsCodeAndHidesKnownWindows)
{
    QWidget window;
    window.show();
    dispatcher.addWindow(&window);
    bool afterEnd = false;
    dispatcher.run([&] {
        throw runtime::ProgramEnd{3};
        afterEnd = true;
    });
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(dispatcher.exitCode(), 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(afterEnd);
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(DispatcherTest, UntrappedErrorShowsTheDefaultReportThenEnds)
{
    ui.expectMsgBox(forms::msgbox::Ok);
    dispatcher.run([] { runtime::raise(runtime::err::TypeMismatch); });
    ASSERT_EQ(ui.records().size(), 1);
    EXPECT_EQ(ui.last().text, QStringLiteral("Run-time error '13':\r\n\r\nType mismatch"));
    EXPECT_EQ(ui.last().caption, QStringLiteral("Stavrin"));
    EXPECT_EQ(ui.last().style, 0);
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(dispatcher.exitCode(), Dispatcher::ErrorExitCode);
}

TEST_F(DispatcherTest, ReportUsesTheErrorsOwnDescriptionAndNegativeNumbers)
{
    const runtime::Error error(-2145320928, QStringLiteral("User input is a keyword"));
    EXPECT_EQ(Dispatcher::defaultReportText(error),
              QStringLiteral("Run-time error '-2145320928':\r\n\r\nUser input is a keyword"));
}

TEST_F(DispatcherTest, NoHandlerRunsAfterTheEnd)
{
    dispatcher.endProgram(0);
    int calls = 0;
    dispatcher.run([&] { ++calls; });
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, dispatcher.wrap([&] { ++calls; }));
    button.click();
    EXPECT_EQ(calls, 0);
    // A second end keeps the first code.
    dispatcher.endProgram(7);
    EXPECT_EQ(dispatcher.exitCode(), 0);
}

TEST_F(DispatcherTest, WrapPassesSignalArgumentsOrNone)
{
    Counter counter;
    QComboBox combo;
    combo.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QObject::connect(&combo, &QComboBox::currentIndexChanged, dispatcher.wrap(&counter, &Counter::take));
    QObject::connect(&combo, &QComboBox::currentIndexChanged, dispatcher.wrap(&counter, &Counter::bump));
    int plain = 0;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, dispatcher.wrap([&] { ++plain; }));
    combo.setCurrentIndex(2);
    EXPECT_EQ(counter.lastValue, 2);
    EXPECT_EQ(counter.calls, 2);
    EXPECT_EQ(plain, 1);
}

TEST_F(DispatcherTest, NestedHandlerThatEndsStopsEveryLaterHandler)
{
    // A handler raises another control's event; that handler ends the program.
    QPushButton exitButton;
    QObject::connect(&exitButton, &QPushButton::clicked, dispatcher.wrap([] { throw runtime::ProgramEnd{2}; }));
    int later = 0;
    bool outerReturned = false;
    dispatcher.run([&] {
        EXPECT_TRUE(dispatcher.running());
        exitButton.click();
        dispatcher.run([&] { ++later; });
        outerReturned = true;
    });
    EXPECT_TRUE(outerReturned);  // the throw never crossed the Qt code between
    EXPECT_EQ(later, 0);
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(dispatcher.exitCode(), 2);
    EXPECT_FALSE(dispatcher.running());
}

TEST_F(DispatcherTest, NestedErrorIsReportedOnce)
{
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Path not found"));
    dispatcher.run([&] {
        dispatcher.run([] { runtime::raise(runtime::err::PathNotFound); });
        dispatcher.run([] { runtime::raise(runtime::err::FileNotFound); });
    });
    EXPECT_EQ(ui.records().size(), 1);
    EXPECT_EQ(ui.pending(), 0);
}

TEST(Dispatcher, NothingEscapesEvenWhenTheReportOrTheHandlerMisbehaves)
{
    ScriptedInteraction ui;  // default failure handler: throws on the unexpected report
    Dispatcher dispatcher(ui);
    EXPECT_NO_THROW(dispatcher.run([] { runtime::raise(5); }));
    EXPECT_TRUE(dispatcher.ended());

    Dispatcher other(ui);
    EXPECT_NO_THROW(other.run([] { throw std::runtime_error("bug"); }));
    EXPECT_TRUE(other.ended());
    EXPECT_EQ(other.exitCode(), Dispatcher::ErrorExitCode);
}

TEST_F(DispatcherTest, EndInsideTheEventLoopLeavesItWithTheCode)
{
    QTimer::singleShot(0, dispatcher.wrap([] { throw runtime::ProgramEnd{4}; }));
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safety.start(5000);
    EXPECT_EQ(QApplication::exec(), 4);
}

TEST_F(DispatcherTest, EndOutsideAnyLoopOnlyMarksTheEnd)
{
    // With no loop running there is nothing to leave; main reads ended().
    dispatcher.endProgram(5);
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(dispatcher.exitCode(), 5);
}

TEST_F(DispatcherTest, WorkAtTheEndRunsOnceHoweverTheProgramEnds)
{
    QStringList done;
    dispatcher.atEnd([&] { done.append(QStringLiteral("first")); });
    dispatcher.atEnd([&] {
        done.append(QStringLiteral("failing"));
        runtime::raise(runtime::err::ObjectVariableNotSet);
    });
    dispatcher.atEnd([&] { done.append(QStringLiteral("last")); });
    ui.expectMsgBox(forms::msgbox::Ok);
    dispatcher.run([] { runtime::raise(runtime::err::Overflow); });  // untrapped: the default report ends
    dispatcher.endProgram();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(done, (QStringList{"first", "failing", "last"}));
}
