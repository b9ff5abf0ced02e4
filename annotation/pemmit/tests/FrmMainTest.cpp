#include "PemmitFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/HostRegistry.h"
#include "platform/forms/Caption.h"
#include "platform/testing/LayoutCheck.h"

using namespace pemmit;
using namespace pemmit::test;
namespace msgbox = forms::msgbox;

namespace {

QStringList items(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

}  // namespace

using SelectText = PemmitTest;

TEST_F(SelectText, PickedTextsGetTheHeightAndTheStyle)
{
    FrmMain& form = start();
    enterHeight(QStringLiteral("0.5"));
    enterStyle(QStringLiteral("ROMANS"));
    selectText({text, line, mtext});
    for (const auto& each : {text, mtext}) {
        EXPECT_DOUBLE_EQ(each->height(), 0.5);
        EXPECT_EQ(each->styleName(), QStringLiteral("ROMANS"));
    }
    EXPECT_DOUBLE_EQ(sheetText->height(), 0.2);
    EXPECT_EQ(host->journal().matching(QStringLiteral("Entity.Update")).size(), 2) << "the line is skipped";
    EXPECT_TRUE(drawing->selectionSets()->items().empty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(SelectText, AnEmptyHeightAsksForOneAndKeepsTheWindow)
{
    FrmMain& form = start();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Please Provide Text Height"));
    button(QStringLiteral("CmdSelect")).click();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(user.prompts().isEmpty());
    EXPECT_TRUE(drawing->selectionSets()->items().empty());
}

TEST_F(SelectText, AHeightThatIsNoNumberAboveZeroChangesNothing)
{
    start();
    for (const char* bad : {"abc", "0", "-0.25", "1/8"}) {
        for (const char* button : {"CmdSelect", "CmdAllText"}) {
            enterHeight(QString::fromLatin1(bad));
            ui.expectMsgBox(msgbox::Ok, QStringLiteral("The Text Height must be a number above 0."));
            this->button(QString::fromLatin1(button)).click();
            EXPECT_EQ(ui.last().style, msgbox::Critical) << bad << " " << button;
        }
    }
    EXPECT_TRUE(user.prompts().isEmpty());
    EXPECT_DOUBLE_EQ(text->height(), 0.25);
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Entity.Height")).isEmpty());
}

TEST_F(SelectText, TheHostsExceptionIsTriedAgainAtMostThreeTimes)
{
    FrmMain& form = start();
    enterHeight(QStringLiteral("0.75"));
    host->failures().failNext(QStringLiteral("Entity.Height"), cad::err::ExceptionOccurred);
    host->failures().failNext(QStringLiteral("Entity.Height"), cad::err::ExceptionOccurred);
    selectText({text});
    EXPECT_DOUBLE_EQ(text->height(), 0.75) << "the third try worked";
    EXPECT_TRUE(ui.records().isEmpty());

    host->journal().clear();
    host->failures().failAlways(QStringLiteral("Entity.Height"), cad::err::ExceptionOccurred);
    ui.expectMsgBox(msgbox::Ok, QString::number(cad::err::ExceptionOccurred) + QStringLiteral("  Description:  "));
    enterHeight(QStringLiteral("0.5"));
    selectText({text});
    host->failures().clear();
    EXPECT_EQ(host->journal().matching(QStringLiteral("Entity.Height")).size(), 4) << "once and three times again";
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(form.isVisible());
    EXPECT_DOUBLE_EQ(text->height(), 0.75);
}

TEST_F(SelectText, NoPointGivenEndsQuietly)
{
    FrmMain& form = start();
    enterHeight(QStringLiteral("0.5"));
    host->failures().failNext(QStringLiteral("SelectionSet.SelectOnScreen"), cad::err::NoPointGiven);
    button(QStringLiteral("CmdSelect")).click();
    EXPECT_TRUE(ui.records().isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_DOUBLE_EQ(text->height(), 0.25);
}

TEST_F(SelectText, AStyleTheDrawingLacksIsReportedByTheHost)
{
    start();
    enterHeight(QStringLiteral("0.5"));
    enterStyle(QStringLiteral("NOSUCH"));
    ui.expectMsgBox(msgbox::Ok, QString::number(cad::err::KeyNotFound) + QStringLiteral("  Description:  "));
    selectText({text, mtext});
    EXPECT_EQ(text->styleName(), QStringLiteral("Standard"));
    EXPECT_DOUBLE_EQ(mtext->height(), 0.2) << "the work ends at the refusal";
}

using AllText = PemmitTest;

TEST_F(AllText, ModelSpaceTextsGetHeightAndStyleAndPaperSpaceIsUntouched)
{
    start();
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("OptModel")).isChecked());
    enterHeight(QStringLiteral("0.125"));
    enterStyle(QStringLiteral("ROMANS"));
    button(QStringLiteral("CmdAllText")).click();
    for (const auto& each : {text, mtext}) {
        EXPECT_DOUBLE_EQ(each->height(), 0.125);
        EXPECT_EQ(each->styleName(), QStringLiteral("ROMANS"));
    }
    EXPECT_DOUBLE_EQ(sheetText->height(), 0.2);
    EXPECT_EQ(sheetText->styleName(), QStringLiteral("Standard"));
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(AllText, PaperSpaceChangesHeightsAndNotStyles)
{
    start();
    control<QRadioButton>(QStringLiteral("OptPaper")).click();
    enterHeight(QStringLiteral("0.1875"));
    enterStyle(QStringLiteral("ROMANS"));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_DOUBLE_EQ(sheetText->height(), 0.1875);
    EXPECT_EQ(sheetText->styleName(), QStringLiteral("Standard"));
    EXPECT_DOUBLE_EQ(text->height(), 0.25);
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(AllText, ASpaceWithoutTextSaysSoAndChangesNothing)
{
    start();
    text->remove();
    mtext->remove();
    enterHeight(QStringLiteral("0.5"));
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("No text found in ModelSpace."));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_EQ(ui.last().text, QStringLiteral("No text found in ModelSpace."));
    EXPECT_EQ(ui.last().style, msgbox::Information);

    sheetText->remove();
    control<QRadioButton>(QStringLiteral("OptPaper")).click();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("No text found in PaperSpace."));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_EQ(ui.last().style, msgbox::Information);
    EXPECT_EQ(line->layer(), QStringLiteral("0"));
}

TEST_F(AllText, AStyleTheDrawingLacksIsRefusedBeforeAnyTextChanges)
{
    start();
    enterHeight(QStringLiteral("0.5"));
    enterStyle(QStringLiteral("NOSUCH"));
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("NOSUCH"));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_DOUBLE_EQ(text->height(), 0.25);
    EXPECT_DOUBLE_EQ(mtext->height(), 0.2);

    enterStyle(QStringLiteral("romans"));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_EQ(text->styleName(), QStringLiteral("ROMANS")) << "names match without regard to case";
}

TEST_F(AllText, AHostErrorIsReportedUnderItsLocation)
{
    start();
    enterHeight(QStringLiteral("0.5"));
    host->failures().failNext(QStringLiteral("Entity.Update"), cad::err::ExceptionOccurred);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCCmdAllText_Click\r\n"));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_EQ(ui.last().caption, QStringLiteral("App Error"));
}

TEST_F(AllText, WorksOnTheDrawingActiveAtTheLastTick)
{
    start();
    const auto other = host->addDocument();
    const auto there = other->modelSpace()->addText(QStringLiteral("THERE"), {0, 0, 0}, 0.3);
    timer().setEnabled(true);
    timer().fire();
    timer().setEnabled(false);
    enterHeight(QStringLiteral("0.625"));
    button(QStringLiteral("CmdAllText")).click();
    EXPECT_DOUBLE_EQ(there->height(), 0.625);
    EXPECT_DOUBLE_EQ(text->height(), 0.25);
}

using Window = PemmitTest;

TEST_F(Window, LoadFillsTheListsAndChoosesTheActiveSpace)
{
    FrmMain& form = start();
    EXPECT_EQ(form.caption(), QStringLiteral("Text Height"));
    EXPECT_EQ(items(control<QComboBox>(QStringLiteral("Cmbheight"))),
              (QStringList{"0.0625", "0.09375", "0.125", "0.1875", "0.25", "0.375", "0.5", "0.625", "0.75"}));
    EXPECT_EQ(items(control<QComboBox>(QStringLiteral("CmbFont"))), (QStringList{"Standard", "ROMANS"}));
    EXPECT_EQ(control<QComboBox>(QStringLiteral("CmbFont")).currentText(), QString());
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Cmbheight")).currentText(), QString());
    EXPECT_EQ(timer().interval(), 1000);

    drawing->setActiveSpace(cad::space::Paper);
    FrmMain second(session);
    dispatcher.run([&] { second.load(); });
    EXPECT_TRUE(testing_env::control<QRadioButton>(second, QStringLiteral("OptPaper")).isChecked());
    testing_env::control<forms::Timer>(second, QStringLiteral("Timer1")).setEnabled(false);
}

TEST_F(Window, NoHostAtStartSaysSoAndEnds)
{
    t.hosts().unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    start();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Window, HostGoneAtATickSaysSoAndEnds)
{
    FrmMain& form = start();
    timer().setEnabled(true);
    t.hosts().unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    timer().fire();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Window, ExitEnds)
{
    FrmMain& form = start();
    button(QStringLiteral("CmdExit")).click();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Window, ShowsEveryCaptionWhole)
{
    FrmMain& form = start();
    EXPECT_EQ(testing_env::layoutFaults(form), QStringList());
    EXPECT_GE(form.width(), forms::captionWidth(form));
    EXPECT_TRUE(form.grab().save(QStringLiteral("/tmp/pemmit-FrmMain.png")));
}
