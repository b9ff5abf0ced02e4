#include "WexmoorFixture.h"
#include "platform/testing/LayoutCheck.h"

#include "platform/cad/CadErrors.h"

#include <QAction>
#include <QLabel>

using namespace wexmoor;
using namespace wexmoor::test;
namespace msgbox = forms::msgbox;

using Wexmoor = WexmoorTest;

TEST_F(Wexmoor, StartsWithTheLayersInEveryBoxAndTheStoredChoices)
{
    store(0, "Walls");
    store(9, "Dims");
    store(6, "Gone");  // not a layer of this drawing
    FrmMain& form = start();
    EXPECT_EQ(form.caption(), QStringLiteral("Wexmoor         (Select Layers and Minimize app) "));
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(combo(i).count(), 5) << i;
        EXPECT_EQ(combo(i).itemText(0), QStringLiteral("0"));
        EXPECT_EQ(combo(i).itemText(4), QStringLiteral("Notes"));
    }
    EXPECT_EQ(combo(0).currentText(), QStringLiteral("Walls"));
    EXPECT_EQ(combo(9).currentText(), QStringLiteral("Dims"));
    EXPECT_EQ(combo(6).currentText(), QStringLiteral("Gone"));
    EXPECT_TRUE(combo(1).currentText().isEmpty());
    EXPECT_EQ(testing_env::control<QLabel>(form, QStringLiteral("LblText"), 11).text(), QStringLiteral(" (Other):"));
    EXPECT_TRUE(testing_env::control<QAction>(form, QStringLiteral("MnudSolid")).isChecked());
    EXPECT_TRUE(timer().isEnabled());
    EXPECT_EQ(timer().interval(), 100);
}

TEST_F(Wexmoor, ACommandMakesItsCategorysLayerCurrent)
{
    store(5, "Hidden");
    store(11, "Notes");
    store(10, "Notes");
    store(7, "Walls");
    start();
    chooseFromIcon(QStringLiteral("Draw Layer (Dash)"));
    host->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(active(), QStringLiteral("Hidden"));
    chooseFromIcon(QStringLiteral("(Other)"));
    EXPECT_TRUE(testing_env::control<QAction>(*form, QStringLiteral("MnuOther")).isChecked());
    EXPECT_FALSE(testing_env::control<QAction>(*form, QStringLiteral("MnuDDash")).isChecked());
    host->startCommand(QStringLiteral("DIMCENTER"));
    EXPECT_EQ(active(), QStringLiteral("Walls"));
    host->startCommand(QStringLiteral("ARC"));
    EXPECT_EQ(active(), QStringLiteral("Notes"));

    // A command of no category, or written otherwise, changes nothing.
    drawing->setActiveLayer(drawing->layers()->item(QStringLiteral("0")));
    for (const char* other : {"PLINE", "HATCH", "LEADER", "line", "_LINE"})
        host->startCommand(QString::fromLatin1(other));
    EXPECT_EQ(active(), QStringLiteral("0"));
}

TEST_F(Wexmoor, ATypedNameIsCreatedWithDefaultsOnItsFirstCommand)
{
    start();
    type(10, QStringLiteral("Text-Small"));
    host->startCommand(QStringLiteral("DTEXT"));
    EXPECT_EQ(active(), QStringLiteral("Text-Small"));
    EXPECT_EQ(drawing->layers()->item(QStringLiteral("Text-Small"))->color(), 7);
}

TEST_F(Wexmoor, EmptyOrRefusedNamesLeaveTheCurrentLayerSilently)
{
    start();  // first run: every box empty
    type(9, QStringLiteral("bad|name"));
    for (const char* command : {"LINE", "MTEXT", "QLEADER", "BHATCH", "DIMLINEAR"})
        host->startCommand(QString::fromLatin1(command));
    EXPECT_EQ(active(), QStringLiteral("0"));
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Wexmoor, TheLayerGoesToTheDrawingActiveWhenTheCommandStarts)
{
    store(10, "Notes");
    start();
    const auto other = host->addDocument();  // active now; no re-attach yet
    host->startCommand(QStringLiteral("TEXT"));
    EXPECT_EQ(other->activeLayer()->name(), QStringLiteral("Notes"));
    EXPECT_EQ(active(), QStringLiteral("0"));
}

TEST_F(Wexmoor, TheEventIsBoundOnceAndHandledOnlyWhileTheProgramRuns)
{
    store(0, "Walls");
    start();
    for (int i = 0; i < 5; ++i)
        tick();
    host->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Layers.Add")).size(), 1);

    drawing->setActiveLayer(drawing->layers()->item(QStringLiteral("0")));
    dispatcher.endProgram();
    host->startCommand(QStringLiteral("LINE"));
    EXPECT_EQ(active(), QStringLiteral("0"));
}

TEST_F(Wexmoor, ShowsEveryCaptionWhole)
{
    EXPECT_EQ(testing_env::layoutFaults(start(), QStringLiteral("wexmoor-main")), QStringList());
}

TEST_F(Wexmoor, MinimisedItLivesInTheNotificationArea)
{
    FrmMain& form = start();
    form.setWindowState(Qt::WindowMinimized);  // the title bar's minimise
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(icon().isAdded());
    EXPECT_EQ(icon().tip(), QStringLiteral("Right Click For Menu."));

    // A single click or a mouse move does nothing.
    for (int message : {forms::tray::MouseMove, forms::tray::LeftDown, forms::tray::LeftUp, forms::tray::RightUp})
        icon().deliver(message);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(icon().isAdded());

    // The menu switches the draw mode only; it has no exit.
    chooseFromIcon(QString());
    EXPECT_EQ(ui.last().items, (QStringList{"Draw Layer (Solid)", "Draw Layer (Solid 2)", "Draw Layer (Solid 3)",
                                            "Draw Layer (Center)", "Draw Layer (Phantom)", "Draw Layer (Dash)",
                                            "(Other)"}));
    EXPECT_TRUE(testing_env::control<QAction>(form, QStringLiteral("MnudSolid")).isChecked());

    // A commands works while the window is hidden.
    type(0, QStringLiteral("Walls"));
    host->startCommand(QStringLiteral("CIRCLE"));
    EXPECT_EQ(active(), QStringLiteral("Walls"));

    icon().deliver(forms::tray::LeftDoubleClick);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isMinimized());
    EXPECT_FALSE(icon().isAdded());
}

TEST_F(Wexmoor, WithoutANotificationAreaMinimisedItStaysAWindow)
{
    t.desktop().setNotificationArea(false);
    FrmMain& form = start();
    form.setWindowState(Qt::WindowMinimized);  // the title bar's minimise
    // Hidden into an icon nobody can see, it could not be brought back.
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isMinimized());
    EXPECT_FALSE(icon().isAdded());

    // It keeps working, and restores as any window does.
    type(0, QStringLiteral("Walls"));
    host->startCommand(QStringLiteral("CIRCLE"));
    EXPECT_EQ(active(), QStringLiteral("Walls"));
    form.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(icon().isAdded());
}

TEST_F(Wexmoor, ClosingStoresEveryChoiceAndTheNextStartShowsThem)
{
    store(3, "Walls");
    FrmMain& form = start();
    form.setWindowState(Qt::WindowMinimized);  // the title bar's minimise
    type(3, QString());
    type(4, QStringLiteral("Not-There-Yet"));
    form.close();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(icon().isAdded());
    EXPECT_EQ(stored(3), QString()) << "empty ones too";
    EXPECT_EQ(stored(4), QStringLiteral("Not-There-Yet"));
    EXPECT_EQ(stored(11), QString());
}

TEST_F(Wexmoor, AHostThatGoesAwaySavesTheChoicesAndEnds)
{
    store(0, "Walls");
    FrmMain& form = start();
    form.setWindowState(Qt::WindowMinimized);  // the title bar's minimise
    type(8, QStringLiteral("Notes"));
    t.stopHost();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running\r\nDescription: "));
    tick();
    EXPECT_EQ(ui.last().caption, QStringLiteral("Error# 429"));
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(stored(8), QStringLiteral("Notes"));
    EXPECT_EQ(stored(0), QStringLiteral("Walls"));
    EXPECT_FALSE(icon().isAdded());
}

TEST_F(Wexmoor, NoHostAtStartLeavesTheStoredChoicesAlone)
{
    store(0, "Walls");
    t.stopHost();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running"));
    start();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(stored(0), QStringLiteral("Walls"));
    EXPECT_FALSE(timer().isEnabled());
}

TEST_F(Wexmoor, AFailingReattachShowsOneBoxAtATime)
{
    start();
    host->closeDocument(drawing);  // the host runs, with no drawing open
    int ticksDuringBox = 0;
    ui.setWhileBoxShown([&](const auto&) {
        ++ticksDuringBox;
        tick();
        tick();
    });
    ui.expectMsgBox(msgbox::Ignore, QStringLiteral("Location: AcadProj_Object"));
    tick();
    EXPECT_EQ(ticksDuringBox, 1);
    EXPECT_EQ(ui.records().size(), 1);
    EXPECT_FALSE(dispatcher.ended());
}
