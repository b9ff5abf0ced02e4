#include "BrindokFixture.h"
#include "platform/testing/LayoutCheck.h"

#include "platform/forms/WindowAlpha.h"

using namespace brindok;
using namespace brindok::test;
namespace msgbox = forms::msgbox;

using LayerBoxes = BrindokTest;

TEST_F(LayerBoxes, ShowsEveryCaptionWhole)
{
    EXPECT_EQ(testing_env::layoutFaults(start(), QStringLiteral("brindok-main")), QStringList());
}

TEST_F(LayerBoxes, TheListShowsTheLayersSorted)
{
    FrmMain& form = start();
    EXPECT_EQ(form.caption(), QStringLiteral("Brindok"));
    QStringList shown;
    for (int row = 0; row < list().count(); ++row)
        shown.append(list().item(row)->text());
    EXPECT_EQ(shown, (QStringList{"0", "Dims", "Doors", "Notes", "Walls"}));
    drawing->layers()->add(QStringLiteral("Later"));
    EXPECT_EQ(list().count(), 5) << "filled once, at start";
}

TEST_F(LayerBoxes, FreezeAndThawEveryLayerButTheCurrentOne)
{
    start();
    box(QStringLiteral("ChkFreezeOff")).click();
    EXPECT_FALSE(box(QStringLiteral("ChkFreezeOff")).isChecked()) << "a momentary box";
    EXPECT_FALSE(layer(QStringLiteral("0"))->freeze()) << "the current layer refuses";
    for (const char* name : {"Walls", "Doors", "Notes", "Dims"})
        EXPECT_TRUE(layer(QString::fromLatin1(name))->freeze()) << name;
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.Regen")).size(), 1);

    box(QStringLiteral("ChkFreezeOn")).click();
    for (const auto& each : drawing->layers()->items())
        EXPECT_FALSE(each->freeze());
}

TEST_F(LayerBoxes, AllOffAndAllOn)
{
    start();
    box(QStringLiteral("Check1")).click();
    for (const auto& each : drawing->layers()->items())
        EXPECT_FALSE(each->layerOn());
    box(QStringLiteral("ChkAll")).click();
    for (const auto& each : drawing->layers()->items())
        EXPECT_TRUE(each->layerOn());
    EXPECT_FALSE(box(QStringLiteral("ChkAll")).isChecked());
}

TEST_F(LayerBoxes, ListedLayerCurrentOffAndIsolated)
{
    layer(QStringLiteral("Walls"))->setLayerOn(false);
    start();
    pickInList(QStringLiteral("Walls"));
    box(QStringLiteral("Chkiso")).click();
    EXPECT_EQ(active(), QStringLiteral("Walls"));
    EXPECT_TRUE(layer(QStringLiteral("Walls"))->layerOn());
    for (const char* other : {"0", "Doors", "Notes", "Dims"})
        EXPECT_FALSE(layer(QString::fromLatin1(other))->layerOn()) << other;

    pickInList(QStringLiteral("Notes"));
    box(QStringLiteral("ChkTurn")).click();
    EXPECT_EQ(active(), QStringLiteral("Notes"));
    EXPECT_FALSE(layer(QStringLiteral("Notes"))->layerOn());

    pickInList(QStringLiteral("Dims"));
    box(QStringLiteral("ChkCurrent")).click();
    EXPECT_EQ(active(), QStringLiteral("Dims"));
    EXPECT_FALSE(box(QStringLiteral("ChkCurrent")).isChecked());
}

TEST_F(LayerBoxes, AListedBoxWithNothingPickedAsksAndStaysTicked)
{
    start();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Select Layer From List Box"));
    box(QStringLiteral("Chkiso")).click();
    EXPECT_EQ(ui.last().style, msgbox::Information);
    EXPECT_TRUE(box(QStringLiteral("Chkiso")).isChecked());
    box(QStringLiteral("Chkiso")).click();  // unticks, does nothing
    EXPECT_FALSE(box(QStringLiteral("Chkiso")).isChecked());
    EXPECT_EQ(ui.records().size(), 1);
    EXPECT_TRUE(layer(QStringLiteral("Walls"))->layerOn());
}

TEST_F(LayerBoxes, IsolatingALayerThatIsGoneChangesNothing)
{
    start();
    pickInList(QStringLiteral("Doors"));
    drawing->purgeAll();  // the unused layer goes
    box(QStringLiteral("Chkiso")).click();
    for (const auto& each : drawing->layers()->items())
        EXPECT_TRUE(each->layerOn()) << each->name().toStdString();
    EXPECT_EQ(active(), QStringLiteral("0"));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.Regen")).size(), 1);
}

TEST_F(LayerBoxes, TranslucencyGoesBackToOpaque)
{
    FrmMain& form = start();
    box(QStringLiteral("ChkTransparent")).click();
    EXPECT_EQ(forms::windowAlpha(&form), 200);
    box(QStringLiteral("ChkTransparent")).click();
    EXPECT_EQ(forms::windowAlpha(&form), 255);
    EXPECT_EQ(forms::windowAlpha(&list()), 255);
    EXPECT_TRUE(forms::isLayered(&form));
}

TEST_F(LayerBoxes, WithoutTheHostItSaysSoAndEnds)
{
    t.stopHost();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    start();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(LayerBoxes, ExitEndsTheProgram)
{
    start();
    control<QPushButton>(QStringLiteral("CmdClose")).click();
    EXPECT_TRUE(dispatcher.ended());
}
