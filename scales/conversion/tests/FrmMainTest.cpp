#include "platform/runtime/Error.h"
#include "platform/testing/Controls.h"
#include "platform/testing/LayoutCheck.h"
#include "platform/testing/TestEnvironment.h"
#include "scales/conversion/FrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using conversion::FrmMain;
using forms::ScriptedInteraction;
using shell::ShellCall;
namespace msgbox = forms::msgbox;

namespace {

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

class ConversionFormTest : public ::testing::Test {
protected:
    ConversionFormTest() { dispatcher.run([&] { form.load(); }); }

    // What the user does, each through the control's own signal.
    void pickFrom(const QString& unit) { FrmMain::setListText(&c<QListWidget>("LstFrom"), unit); }
    void pickInto(const QString& unit) { FrmMain::setListText(&c<QListWidget>("LstInto"), unit); }
    void calculate(const QString& value, const QString& from, const QString& into, const QString& places)
    {
        c<QLineEdit>("TxtFrom").setText(value);
        pickFrom(from);
        pickInto(into);
        c<QComboBox>("CmbRound").setCurrentText(places);
        c<QPushButton>("CmdCalculate").click();
    }
    void pressEnterIn(QWidget* widget)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
    void expectAppError(const QString& location, const QString& description)
    {
        ASSERT_FALSE(ui.records().isEmpty());
        const ScriptedInteraction::Record& box = ui.last();
        EXPECT_EQ(box.caption, "App Error");
        EXPECT_EQ(box.style, msgbox::Critical);
        EXPECT_TRUE(box.text.startsWith("Location:\t\t" + location + "\r\n")) << box.text.toStdString();
        EXPECT_TRUE(box.text.endsWith("Description:\t" + description)) << box.text.toStdString();
    }

    // A control of the window, by its name.
    template <typename T>
    T& c(const char* name)
    {
        return testing_env::control<T>(form, QString::fromLatin1(name));
    }

    // First, so that it outlives everything that uses it.
    testing_env::TestEnvironment t{QStringLiteral("Conversion")};
    runtime::Program& program = t.program();
    ScriptedInteraction& ui = t.ui();
    forms::Dispatcher& dispatcher = t.dispatcher();
    shell::RecordingShell& shell = t.shell();
    env::Environment& env = t.env();
    FrmMain form{env};
};

}  // namespace

TEST_F(ConversionFormTest, StartsWithFeetChosenAndNothingElse)
{
    EXPECT_EQ(form.caption(), "Conversion Calculator (Tarvo Solutions)");
    EXPECT_EQ(entries(&c<QListWidget>("LstFrom")), QStringList({"Degrees", "Feet", "Gallons", "Inches", "Millimeters"}));
    EXPECT_EQ(FrmMain::listText(&c<QListWidget>("LstFrom")), "Feet");
    EXPECT_EQ(c<QListWidget>("LstInto").count(), 15);
    EXPECT_EQ(entries(&c<QListWidget>("LstInto")).first(), "Centimeters");
    EXPECT_EQ(entries(&c<QListWidget>("LstInto")).last(), "Yards");
    EXPECT_EQ(FrmMain::listText(&c<QListWidget>("LstInto")), "");
    EXPECT_EQ(c<QComboBox>("CmbRound").currentText(), "15");
    EXPECT_EQ(c<QComboBox>("CmbRound").count(), 16);
    EXPECT_EQ(c<QComboBox>("CmbRound").itemText(0), "0");
    EXPECT_EQ(c<QComboBox>("CmbRound").itemText(15), "15");
    EXPECT_TRUE(c<QLineEdit>("TxtFrom").text().isEmpty());
    EXPECT_TRUE(c<QLineEdit>("TxtInto").text().isEmpty());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(ConversionFormTest, ControlsShowTheirCaptionsInTheirPlaces)
{
    form.show();
    // Where a control lies in the window, whatever frame holds it.
    const auto at = [this](const char* name) {
        const QWidget& w = c<QWidget>(name);
        return QRect(w.mapTo(&form, QPoint(0, 0)), w.size());
    };
    EXPECT_EQ(c<QLineEdit>("TxtFrom").parentWidget(), &c<QGroupBox>("FrTxtFrom"));
    EXPECT_EQ(c<QLineEdit>("TxtInto").parentWidget(), &c<QGroupBox>("FrTxtInto"));
    EXPECT_EQ(c<QListWidget>("LstFrom").parentWidget(), &c<QGroupBox>("FrFrom"));
    EXPECT_EQ(c<QListWidget>("LstInto").parentWidget(), &c<QGroupBox>("FrInto"));
    EXPECT_EQ(c<QGroupBox>("FrTxtFrom").title(), "From:");
    EXPECT_EQ(c<QGroupBox>("FrTxtInto").title(), "Into:");
    EXPECT_EQ(c<QGroupBox>("FrFrom").title(), "Convert From:");
    EXPECT_EQ(c<QGroupBox>("FrInto").title(), "Convert Into:");
    EXPECT_EQ(c<QPushButton>("CmdCalculate").text(), "Calculate");
    EXPECT_EQ(c<QPushButton>("CmdSend").text(), "Send To Clipboard");
    EXPECT_EQ(c<QLabel>("Label1").text(), "Round Decimal To:");
    EXPECT_TRUE(c<QPushButton>("CmdCalculate").isDefault());

    // The number boxes on the left, one above the other; the buttons and the
    // count to their right; the two lists side by side below them all.
    EXPECT_GT(at("FrTxtInto").top(), at("FrTxtFrom").bottom());
    EXPECT_GT(at("CmdCalculate").left(), at("FrTxtFrom").right());
    EXPECT_GT(at("CmdSend").top(), at("CmdCalculate").bottom());
    EXPECT_GT(at("Label1").top(), at("CmdSend").bottom());
    EXPECT_GT(at("CmbRound").left(), at("Label1").right());
    EXPECT_GT(at("FrFrom").top(), std::max(at("FrTxtInto").bottom(), at("CmbRound").bottom()));
    EXPECT_EQ(at("FrInto").top(), at("FrFrom").top());
    EXPECT_GT(at("FrInto").left(), at("FrFrom").right());
    EXPECT_EQ(testing_env::layoutFaults(form), QStringList());

    // Tab order: the number, the lists, the result, the buttons, the count.
    const QList<QWidget*> expected = {&c<QLineEdit>("TxtFrom"), &c<QListWidget>("LstFrom"), &c<QListWidget>("LstInto"), &c<QLineEdit>("TxtInto"),
                                      &c<QPushButton>("CmdCalculate"), &c<QPushButton>("CmdSend"), &c<QComboBox>("CmbRound")};
    QList<QWidget*> chain;
    for (QWidget* w = &c<QLineEdit>("TxtFrom"); chain.size() < expected.size(); w = w->nextInFocusChain())
        if (expected.contains(w) && !chain.contains(w))
            chain.append(w);
    EXPECT_EQ(chain, expected);
}

TEST_F(ConversionFormTest, EnterAsksForTheIntoUnitFirst)
{
    ui.expectMsgBox(msgbox::Ok, "Please Select Convert Into List Box");
    pressEnterIn(&c<QLineEdit>("TxtFrom"));
    EXPECT_EQ(ui.last().text, "Please Select Convert Into List Box");
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_EQ(ui.last().caption, "Conversion");
}

TEST_F(ConversionFormTest, MissingChoicesAreAskedForInOrder)
{
    c<QListWidget>("LstFrom").clearSelection();
    ui.expectMsgBox(msgbox::Ok, "Please Select Convert From List Box");
    c<QPushButton>("CmdCalculate").click();

    pickFrom("Feet");
    pickInto("Inch");
    ui.expectMsgBox(msgbox::Ok, "Need Number in From Text Box");
    c<QPushButton>("CmdCalculate").click();
    EXPECT_EQ(ui.last().text, "Need Number in From Text Box");
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(c<QLineEdit>("TxtInto").text().isEmpty());
}

TEST_F(ConversionFormTest, AnotherFromUnitRefillsTheIntoList)
{
    pickInto("Yards");
    pickFrom("Degrees");
    EXPECT_EQ(entries(&c<QListWidget>("LstInto")), QStringList({"Circles", "Minutes", "Quadrants", "Radians", "Seconds"}));
    EXPECT_EQ(FrmMain::listText(&c<QListWidget>("LstInto")), "");
    c<QLineEdit>("TxtFrom").setText("90");
    ui.expectMsgBox(msgbox::Ok, "Please Select Convert Into List Box");
    c<QPushButton>("CmdCalculate").click();
}

TEST_F(ConversionFormTest, CalculatesIntoTheResultBox)
{
    calculate("0.875", "Gallons", "Quarts", "0");
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "4");
    calculate("1.1", "Feet", "Centimeters", "15");
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "33.528");
    calculate("1", "Inches", "Feet", "15");
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "0.083333333333333");
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(ConversionFormTest, EnterInTheCountBoxCalculatesWithTheTypedCount)
{
    c<QLineEdit>("TxtFrom").setText("1");
    pickFrom("Feet");
    pickInto("Yards");
    c<QComboBox>("CmbRound").setCurrentText("4");
    pressEnterIn(c<QComboBox>("CmbRound").lineEdit());
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "0.3333");
    EXPECT_EQ(c<QComboBox>("CmbRound").count(), 16);  // the typed count is not added
}

TEST_F(ConversionFormTest, BadNumberIsReportedAndTheResultKept)
{
    calculate("2", "Feet", "Inch", "15");
    ASSERT_EQ(c<QLineEdit>("TxtInto").text(), "24");
    for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("inf"), QStringLiteral("0x1A"),
                               QStringLiteral("12ft")}) {
        SCOPED_TRACE(bad.toStdString());
        ui.expectMsgBox(msgbox::Ok, "Location:\t\tcalculate");
        calculate(bad, "Feet", "Inch", "15");
        expectAppError("calculate", "Type mismatch");
        EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "24");
    }
    ui.expectMsgBox(msgbox::Ok, "Location:\t\tcalculate");
    calculate("1E+999", "Feet", "Inch", "15");
    expectAppError("calculate", "Overflow");
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "24");
}

TEST_F(ConversionFormTest, BadCountIsReportedAndTheResultKept)
{
    calculate("2", "Feet", "Inch", "15");
    ui.expectMsgBox(msgbox::Ok, "Location:\t\tcalculate");
    calculate("3", "Feet", "Inch", "two");
    expectAppError("calculate", "Type mismatch");
    ui.expectMsgBox(msgbox::Ok, "Location:\t\tcalculate");
    calculate("3", "Feet", "Inch", "-1");
    expectAppError("calculate", "Invalid procedure call or argument");
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "24");

    // A count beyond any number's digits leaves the value as it is.
    calculate("1", "Feet", "Yards", "99999999999");
    EXPECT_EQ(c<QLineEdit>("TxtInto").text(), "0.333333333333333");
}

TEST_F(ConversionFormTest, SendPutsTheResultOnTheClipboard)
{
    calculate("3", "Feet", "Inch", "15");
    c<QPushButton>("CmdSend").click();
    EXPECT_EQ(shell.calls(), QList<ShellCall>({{ShellCall::Kind::ClearClipboard, {}, 0},
                                               {ShellCall::Kind::SetClipboardText, "36", 0}}));
    EXPECT_EQ(shell.clipboardText(), "36");
}

TEST_F(ConversionFormTest, SendWithNoResultPutsAnEmptyText)
{
    c<QPushButton>("CmdSend").setFocus();
    pressEnterIn(&c<QPushButton>("CmdSend"));  // Enter on a focused button presses that button
    EXPECT_EQ(shell.callsOf(ShellCall::Kind::SetClipboardText), QList<ShellCall>({{ShellCall::Kind::SetClipboardText, "", 0}}));
}

TEST_F(ConversionFormTest, ClipboardFailureIsReported)
{
    shell.failOn(ShellCall::Kind::ClearClipboard, 521);
    ui.expectMsgBox(msgbox::Ok, "Location:\t\tCmdSend_Click");
    c<QPushButton>("CmdSend").click();
    expectAppError("CmdSend_Click", runtime::defaultDescription(521));
    EXPECT_TRUE(shell.callsOf(ShellCall::Kind::SetClipboardText).isEmpty());
}

TEST_F(ConversionFormTest, ClosingTheWindowEndsTheProgram)
{
    form.show();
    form.close();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ConversionFormTest, RendersTheWindow)
{
    calculate("1.1", "Feet", "Centimeters", "15");
    form.show();
    EXPECT_TRUE(form.grab().save("/tmp/conversion-FrmMain.png"));
}
