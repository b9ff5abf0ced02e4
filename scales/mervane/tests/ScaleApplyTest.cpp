#include "MervaneFixture.h"

#include "platform/cad/CadErrors.h"

#include <QPushButton>
#include <QRadioButton>

using namespace mervane;
using namespace mervane::test;
namespace msgbox = forms::msgbox;

using Applying = MervaneTest;

TEST_F(Applying, ClickInTheListScalesTheActiveViewportRelativeToPaperSpace)
{
    addViewport(3);
    start();
    host->journal().clear();
    clickRow(9);  // "1/4=1'-0"
    EXPECT_EQ(host->journal().entries(), QStringList({"Application.ZoomScaled 0.0208333333333333 2"}));
    EXPECT_EQ(activeViewport()->rawScale(), 1.0 / 48);
    EXPECT_FALSE(dispatcher.ended());
}

TEST_F(Applying, EveryRowAppliesTheExactReciprocalOfItsScaleFactor)
{
    addViewport(3);
    start();
    for (ScaleFamily family : ScaleTables::families()) {
        option(int(family)).click();
        const QList<ScaleRow>& rows = ScaleTables::rows(family);
        for (int position = 1; position <= rows.size(); ++position) {
            clickRow(position);
            EXPECT_EQ(activeViewport()->rawScale(), 1.0 / rows[position - 1].factor)
                << ScaleTables::familyName(family).toStdString() << " row " << position;
        }
    }
    option(2).click();
    clickRow(5);
    EXPECT_EQ(activeViewport()->rawScale(), 1.0 / 600);
    option(3).click();
    clickRow(1);
    EXPECT_EQ(activeViewport()->rawScale(), 5.0);
    clickRow(9);
    EXPECT_EQ(activeViewport()->rawScale(), 1.0 / 75);
    option(1).click();
    clickRow(9);
    EXPECT_EQ(activeViewport()->rawScale(), 1.0 / 30);
}

TEST_F(Applying, OkAppliesAndEnds)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    option(3).click();
    list().setCurrentItem(list().topLevelItem(7));  // "1:50", selected by keyboard
    button("CmdOK").click();
    EXPECT_EQ(activeViewport()->rawScale(), 1.0 / 50);
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Applying, NothingSelectedAppliesNothing)
{
    addViewport(3);
    start();
    host->journal().clear();
    button("CmdOK").click();
    EXPECT_TRUE(host->journal().entries().isEmpty());
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Applying, RefusedZoomIsReportedAndTheWindowStays)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    // The user went back to the model tab, which has no paper space.
    document->setActiveSpace(cad::space::Model);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tscales"));
    list().setCurrentItem(list().topLevelItem(8));
    button("CmdOK").click();
    expectAppError(QStringLiteral("scales"));
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_TRUE(f.isVisible());

    host->failures().failNext(QStringLiteral("Application.ZoomScaled"), cad::err::ExceptionOccurred);
    document->setActiveSpace(cad::space::Paper);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tscales"));
    clickRow(9);
    expectAppError(QStringLiteral("scales"));
    EXPECT_FALSE(dispatcher.ended());
}

using CurrentScale = MervaneTest;

TEST_F(CurrentScale, ArchitecturalShowsInchesToTheFoot)
{
    addViewport(3);
    start();
    clickRow(9);
    ui.expectMsgBox(msgbox::Ok);
    button("CmdGetscale").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("0.25 = 1'-0"));
    EXPECT_EQ(ui.last().style, msgbox::OkOnly);
    EXPECT_EQ(ui.last().caption, QStringLiteral("Mervane"));

    clickRow(4);  // "1 1/2=1'-0"
    ui.expectMsgBox(msgbox::Ok);
    button("CmdGetscale").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("1.5 = 1'-0"));
}

TEST_F(CurrentScale, OtherFamiliesShowThePlainScale)
{
    addViewport(3);
    start();
    option(3).click();
    clickRow(8);  // 1:50
    ui.expectMsgBox(msgbox::Ok);
    button("CmdGetscale").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("0.02"));

    option(1).click();
    clickRow(1);  // 4/1
    ui.expectMsgBox(msgbox::Ok);
    button("CmdGetscale").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("4"));

    option(2).click();
    clickRow(2);  // 1=20'
    ui.expectMsgBox(msgbox::Ok);
    button("CmdGetscale").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("0.00416666666666667"));
}

TEST_F(CurrentScale, ModelTabIsReported)
{
    addViewport(3);
    start();
    document->setActiveSpace(cad::space::Model);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCmdGetScale_Click"));
    button("CmdGetscale").click();
    expectAppError(QStringLiteral("CmdGetScale_Click"));
}

using NextVPort = MervaneTest;

TEST_F(NextVPort, CyclesThroughTheFloatingViewportsInOrder)
{
    const auto first = addViewport(2);
    document->paperSpace()->addLine(cad::Point{0, 0, 0}, cad::Point{1, 1, 0});  // not a viewport
    const auto second = addViewport(5);
    const auto third = addViewport(8);
    start();
    ASSERT_EQ(activeViewport(), first);

    host->journal().clear();
    button("CmdNext").click();
    EXPECT_EQ(activeViewport(), second);
    const QString h = second->handle();
    EXPECT_EQ(host->journal().entries(),
              QStringList({"PViewport.Display " + h + " True", "Document.MSpace True",
                           "Document.ActivePViewport " + h, "Document.Regen 1"}));
    button("CmdNext").click();
    EXPECT_EQ(activeViewport(), third);
    button("CmdNext").click();
    EXPECT_EQ(activeViewport(), first);
    EXPECT_TRUE(document->mSpace());
}

TEST_F(NextVPort, TurnsOnAViewportThatIsOff)
{
    addViewport(2);
    const auto second = addViewport(5);
    second->display(false);
    start();
    button("CmdNext").click();
    EXPECT_TRUE(second->isOn());
    EXPECT_EQ(activeViewport(), second);
}

TEST_F(NextVPort, OnlyTheSheetSaysSoInAPlainMessage)
{
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tForm_Load"));
    start();
    host->journal().clear();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("There is no viewport in paper space."));
    button("CmdNext").click();
    EXPECT_EQ(ui.last().style, msgbox::OkOnly);
    EXPECT_TRUE(host->journal().entries().isEmpty());
}

TEST_F(NextVPort, RefusalIsReported)
{
    addViewport(2);
    addViewport(5);
    start();
    document->setActiveSpace(cad::space::Model);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCmdNext_Click"));
    button("CmdNext").click();
    expectAppError(QStringLiteral("CmdNext_Click"));
}
