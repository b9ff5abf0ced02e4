#include "platform/forms/Twips.h"
#include "platform/runtime/Error.h"
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
    void pickFrom(const QString& unit) { FrmMain::setListText(form.LstFrom, unit); }
    void pickInto(const QString& unit) { FrmMain::setListText(form.LstInto, unit); }
    void calculate(const QString& value, const QString& from, const QString& into, const QString& places)
    {
        form.TxtFrom->setText(value);
        pickFrom(from);
        pickInto(into);
        form.CmbRound->setCurrentText(places);
        form.CmdCalculate->click();
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
    EXPECT_EQ(entries(form.LstFrom), QStringList({"Degrees", "Feet", "Gallons", "Inches", "Millimeters"}));
    EXPECT_EQ(FrmMain::listText(form.LstFrom), "Feet");
    EXPECT_EQ(form.LstInto->count(), 15);
    EXPECT_EQ(entries(form.LstInto).first(), "Centimeters");
    EXPECT_EQ(entries(form.LstInto).last(), "Yards");
    EXPECT_EQ(FrmMain::listText(form.LstInto), "");
    EXPECT_EQ(form.CmbRound->currentText(), "15");
    EXPECT_EQ(form.CmbRound->count(), 16);
    EXPECT_EQ(form.CmbRound->itemText(0), "0");
    EXPECT_EQ(form.CmbRound->itemText(15), "15");
    EXPECT_TRUE(form.TxtFrom->text().isEmpty());
    EXPECT_TRUE(form.TxtInto->text().isEmpty());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(ConversionFormTest, ControlsSitAtTheirTwips)
{
    EXPECT_EQ(form.FrTxtFrom->geometry(), forms::twipsRect(120, 0, 2775, 735));
    EXPECT_EQ(form.TxtFrom->geometry(), forms::twipsRect(120, 240, 2535, 405));
    EXPECT_EQ(form.FrTxtInto->geometry(), forms::twipsRect(120, 840, 2775, 735));
    EXPECT_EQ(form.CmdCalculate->geometry(), forms::twipsRect(3240, 240, 2415, 375));
    EXPECT_EQ(form.CmdSend->geometry(), forms::twipsRect(3240, 720, 2415, 375));
    EXPECT_EQ(form.Label1->geometry(), forms::twipsRect(3240, 1230, 1575, 255));
    EXPECT_EQ(form.CmbRound->geometry(), forms::twipsRect(4800, 1200, 855, 315));
    EXPECT_EQ(form.FrFrom->geometry(), forms::twipsRect(120, 1680, 2775, 3735));
    EXPECT_EQ(form.LstFrom->geometry(), forms::twipsRect(120, 240, 2535, 3375));
    EXPECT_EQ(form.FrInto->geometry(), forms::twipsRect(3000, 1680, 2775, 3735));
    EXPECT_EQ(form.LstInto->parentWidget(), form.FrInto);
    EXPECT_EQ(form.FrTxtFrom->title(), "From:");
    EXPECT_EQ(form.FrInto->title(), "Convert Into:");
    EXPECT_EQ(form.CmdSend->text(), "Send To Clipboard");
    EXPECT_EQ(form.Label1->text(), "Round Decimal To:");

    // Tab order: the number, the lists, the result, the buttons, the count.
    const QList<QWidget*> expected = {form.TxtFrom, form.LstFrom, form.LstInto, form.TxtInto,
                                      form.CmdCalculate, form.CmdSend, form.CmbRound};
    QList<QWidget*> chain;
    for (QWidget* w = form.TxtFrom; chain.size() < expected.size(); w = w->nextInFocusChain())
        if (expected.contains(w) && !chain.contains(w))
            chain.append(w);
    EXPECT_EQ(chain, expected);
}

TEST_F(ConversionFormTest, EnterAsksForTheIntoUnitFirst)
{
    ui.expectMsgBox(msgbox::Ok, "Please Select Convert Into List Box");
    pressEnterIn(form.TxtFrom);
    EXPECT_EQ(ui.last().text, "Please Select Convert Into List Box");
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_EQ(ui.last().caption, "Conversion");
}

TEST_F(ConversionFormTest, MissingChoicesAreAskedForInOrder)
{
    form.LstFrom->clearSelection();
    ui.expectMsgBox(msgbox::Ok, "Please Select Convert From List Box");
    form.CmdCalculate->click();

    pickFrom("Feet");
    pickInto("Inch");
    ui.expectMsgBox(msgbox::Ok, "Need Number in From Text Box");
    form.CmdCalculate->click();
    EXPECT_EQ(ui.last().text, "Need Number in From Text Box");
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(form.TxtInto->text().isEmpty());
}

TEST_F(ConversionFormTest, AnotherFromUnitRefillsTheIntoList)
{
    pickInto("Yards");
    pickFrom("Degrees");
    EXPECT_EQ(entries(form.LstInto), QStringList({"Circles", "Minutes", "Quadrants", "Radians", "Seconds"}));
    EXPECT_EQ(FrmMain::listText(form.LstInto), "");
    form.TxtFrom->setText("90");
    ui.expectMsgBox(msgbox::Ok, "Please Select Convert Into List Box");
    form.CmdCalculate->click();
}

TEST_F(ConversionFormTest, CalculatesIntoTheResultBox)
{
    calculate("0.875", "Gallons", "Quarts", "0");
    EXPECT_EQ(form.TxtInto->text(), "4");
    calculate("1.1", "Feet", "Centimeters", "15");
    EXPECT_EQ(form.TxtInto->text(), "33.528");
    calculate("1", "Inches", "Feet", "15");
    EXPECT_EQ(form.TxtInto->text(), "0.083333333333333");
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(ConversionFormTest, EnterInTheCountBoxCalculatesWithTheTypedCount)
{
    form.TxtFrom->setText("1");
    pickFrom("Feet");
    pickInto("Yards");
    form.CmbRound->setCurrentText("4");
    pressEnterIn(form.CmbRound->lineEdit());
    EXPECT_EQ(form.TxtInto->text(), "0.3333");
    EXPECT_EQ(form.CmbRound->count(), 16);  // the typed count is not added
}

TEST_F(ConversionFormTest, BadNumberIsReportedAndTheResultKept)
{
    calculate("2", "Feet", "Inch", "15");
    ASSERT_EQ(form.TxtInto->text(), "24");
    for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("inf"), QStringLiteral("0x1A"),
                               QStringLiteral("12ft")}) {
        SCOPED_TRACE(bad.toStdString());
        ui.expectMsgBox(msgbox::Ok, "Location:\t\tcalculate");
        calculate(bad, "Feet", "Inch", "15");
        expectAppError("calculate", "Type mismatch");
        EXPECT_EQ(form.TxtInto->text(), "24");
    }
    ui.expectMsgBox(msgbox::Ok, "Location:\t\tcalculate");
    calculate("1E+999", "Feet", "Inch", "15");
    expectAppError("calculate", "Overflow");
    EXPECT_EQ(form.TxtInto->text(), "24");
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
    EXPECT_EQ(form.TxtInto->text(), "24");

    // A count beyond any number's digits leaves the value as it is.
    calculate("1", "Feet", "Yards", "99999999999");
    EXPECT_EQ(form.TxtInto->text(), "0.333333333333333");
}

TEST_F(ConversionFormTest, SendPutsTheResultOnTheClipboard)
{
    calculate("3", "Feet", "Inch", "15");
    form.CmdSend->click();
    EXPECT_EQ(shell.calls(), QList<ShellCall>({{ShellCall::Kind::ClearClipboard, {}, 0},
                                               {ShellCall::Kind::SetClipboardText, "36", 0}}));
    EXPECT_EQ(shell.clipboardText(), "36");
}

TEST_F(ConversionFormTest, SendWithNoResultPutsAnEmptyText)
{
    form.CmdSend->setFocus();
    pressEnterIn(form.CmdSend);  // Enter on a focused button presses that button
    EXPECT_EQ(shell.callsOf(ShellCall::Kind::SetClipboardText), QList<ShellCall>({{ShellCall::Kind::SetClipboardText, "", 0}}));
}

TEST_F(ConversionFormTest, ClipboardFailureIsReported)
{
    shell.failOn(ShellCall::Kind::ClearClipboard, 521);
    ui.expectMsgBox(msgbox::Ok, "Location:\t\tCmdSend_Click");
    form.CmdSend->click();
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
