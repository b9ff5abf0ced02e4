#include "SectionsFixture.h"

#include "platform/cad/CadErrors.h"

#include <functional>

using namespace sections;
using namespace sections::test;
namespace msgbox = forms::msgbox;

namespace {

cad::Point pt(double x, double y, double z = 0) { return {x, y, z}; }

// Answers from the script; after the answer to a prompt, the test may arm a
// failure of the host's next call.
class ArmingUser : public standin::User {
public:
    explicit ArmingUser(standin::User& script) : script_(script) {}

    standin::PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) override
    {
        const standin::PointAnswer answer = script_.askPoint(prompt, base);
        if (afterPrompt)
            afterPrompt(prompt);
        return answer;
    }
    standin::SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) override
    {
        return script_.askSelection(candidates);
    }

    std::function<void(const QString&)> afterPrompt;

private:
    standin::User& script_;
};

class Create : public SectionsTest {
protected:
    // A cut line from (0,0) to (10,0), the side to the right, two labels.
    void scriptSimpleMarker()
    {
        user.point(0, 0).point(10, 0.3).enter().point(15, 2).point(5, 5).point(5, -5);
    }
    QStringList prompts() { return t.user().prompts(); }
    const QStringList fullRun = {"Pick First Point:",           "Next Point:",           "Next Point",
                                 "Pick Arrow Side Of Section:", "Pick First Text Point:", "Pick Second Text Point:"};
};

}  // namespace

TEST_F(Create, ModelSpaceMarkerAtDimensionScale48)
{
    drawing->setVariable(QStringLiteral("dimscale"), 48.0);
    FrmMain& f = start();
    scriptSimpleMarker();
    create();

    const Drawn drawn = model();
    ASSERT_EQ(drawn.lines.size(), 1u) << "the side's probe line is gone again";
    EXPECT_EQ(drawn.lines[0].start, pt(0, 0));
    EXPECT_EQ(drawn.lines[0].end, pt(10, 0)) << "ortho levels the second point";
    ASSERT_EQ(drawn.leaders.size(), 2u);
    EXPECT_EQ(drawn.leaders[0].vertices, (std::vector<cad::Point>{pt(46, 0), pt(10, 0)}));
    EXPECT_EQ(drawn.leaders[1].vertices, (std::vector<cad::Point>{pt(36, 0), pt(0, 0)}));
    for (const auto& leader : drawn.leaders) {
        EXPECT_TRUE(leader.arrowhead);
        EXPECT_DOUBLE_EQ(leader.arrowheadSize, 0.375);
        EXPECT_DOUBLE_EQ(leader.scaleFactor, 48);
    }
    ASSERT_EQ(drawn.texts.size(), 2u);
    EXPECT_EQ(drawn.texts[0].position, pt(5, 5));
    EXPECT_EQ(drawn.texts[1].position, pt(5, -5));
    for (const auto& text : drawn.texts) {
        EXPECT_EQ(text.text, QStringLiteral("A"));
        EXPECT_DOUBLE_EQ(text.height, 6);
    }
    EXPECT_EQ(prompts(), fullRun);
    EXPECT_EQ(orthomode(), 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(ui.records().isEmpty());
    EXPECT_EQ(host->journal().matching(QStringLiteral("Document.Activate")).size(), 1);
}

TEST_F(Create, PaperSpaceMarkerUsesScaleOneWhateverTheDimensionScale)
{
    drawing->setVariable(QStringLiteral("dimscale"), 48.0);
    drawing->setActiveSpace(cad::space::Paper);
    start();
    scriptSimpleMarker();
    create();

    EXPECT_TRUE(model().lines.empty());
    const Drawn drawn = drawnIn(drawing->paperSpace());
    ASSERT_EQ(drawn.leaders.size(), 2u);
    EXPECT_EQ(drawn.leaders[0].vertices, (std::vector<cad::Point>{pt(10.75, 0), pt(10, 0)}));
    EXPECT_DOUBLE_EQ(drawn.leaders[0].scaleFactor, 1);
    ASSERT_EQ(drawn.texts.size(), 2u);
    EXPECT_DOUBLE_EQ(drawn.texts[0].height, 0.125);
}

TEST_F(Create, InAViewportOfALayoutTheMarkerGoesIntoModelSpaceWhereItWasPicked)
{
    // Model space worked in through a viewport at half scale: the picks are
    // model points, which paper space would show off the viewport at half
    // the size.
    drawing->setVariable(QStringLiteral("dimscale"), 48.0);
    drawing->setActiveSpace(cad::space::Paper);
    drawing->paperSpace()->addPViewport(pt(100, 100), 80, 60)->setCustomScale(0.5);
    drawing->setMSpace(true);
    start();
    scriptSimpleMarker();
    create();

    EXPECT_TRUE(drawnIn(drawing->paperSpace()).lines.empty());
    const Drawn drawn = model();
    ASSERT_EQ(drawn.lines.size(), 1u);
    EXPECT_EQ(drawn.lines[0].end, pt(10, 0));
    ASSERT_EQ(drawn.leaders.size(), 2u);
    EXPECT_EQ(drawn.leaders[0].vertices, (std::vector<cad::Point>{pt(46, 0), pt(10, 0)}));
    EXPECT_DOUBLE_EQ(drawn.leaders[0].scaleFactor, 48);
    ASSERT_EQ(drawn.texts.size(), 2u);
    EXPECT_DOUBLE_EQ(drawn.texts[0].height, 6);
    // The user is left where they were.
    EXPECT_TRUE(drawing->mSpace());
}

TEST_F(Create, DimensionScaleZeroCountsAsOne)
{
    drawing->setVariable(QStringLiteral("dimscale"), 0.0);
    start();
    scriptSimpleMarker();
    create();
    EXPECT_DOUBLE_EQ(model().texts.at(0).height, 0.125);
    EXPECT_EQ(model().leaders.at(1).vertices.front(), pt(0.75, 0));
}

TEST_F(Create, ChainGrowsUntilEnterAndBothArrowsPointToTheSide)
{
    start();
    user.point(0, 0).point(0, 10).point(10, 10).point(10, 20).enter().point(4, 20).point(1, 1).point(2, 2);
    create();
    const Drawn drawn = model();
    ASSERT_EQ(drawn.lines.size(), 3u);
    EXPECT_EQ(drawn.lines[2].end, pt(10, 20));
    ASSERT_EQ(drawn.leaders.size(), 2u);
    EXPECT_EQ(drawn.leaders[0].vertices, (std::vector<cad::Point>{pt(9.25, 20), pt(10, 20)}));
    EXPECT_EQ(drawn.leaders[1].vertices, (std::vector<cad::Point>{pt(-0.75, 0), pt(0, 0)}));
}

TEST_F(Create, EscInTheChainEndsItQuietlyAndTheMarkerGoesOn)
{
    FrmMain& f = start();
    user.point(0, 0).point(10, 0).point(20, 0).esc().point(25, 0).point(5, 5).point(5, -5);
    create();
    const Drawn drawn = model();
    EXPECT_EQ(drawn.lines.size(), 2u);
    EXPECT_EQ(drawn.leaders.size(), 2u);
    EXPECT_EQ(drawn.texts.size(), 2u);
    EXPECT_TRUE(ui.records().isEmpty());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(orthomode(), 0);
}

TEST_F(Create, AnyOtherChainErrorEndsTheMarkerWithTheReport)
{
    FrmMain& f = start();
    ArmingUser arming(user);
    host->setUser(&arming);
    arming.afterPrompt = [&](const QString& prompt) {
        if (prompt == QStringLiteral("Next Point:"))
            host->failures().failNext(QStringLiteral("Utility.GetPoint"), cad::err::InvalidInput);
    };
    user.point(0, 0).point(10, 0);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCreate_Click"));
    create();
    expectAppError(QStringLiteral("Create_Click"));
    EXPECT_EQ(prompts(), (QStringList{"Pick First Point:", "Next Point:"})) << "the failing prompt is not asked again";
    EXPECT_EQ(model().lines.size(), 1u);
    EXPECT_TRUE(model().leaders.empty());
    EXPECT_EQ(orthomode(), 0);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Create, AnAttachWhileTheUserPicksLeavesTheMarkerInItsDrawing)
{
    start();
    // The connection's hold on the drawing is the only one, as a remote
    // host's proxy is; the timer's attach lets go of it.
    bool released = false;
    module->connection().document = std::shared_ptr<cad::Document>(
        std::shared_ptr<void>(nullptr, [&](void*) { released = true; }), drawing.get());
    const auto other = host->addDocument();
    ArmingUser arming(user);
    host->setUser(&arming);
    bool heldWhilePicking = true;
    arming.afterPrompt = [&](const QString& prompt) {
        // The user switches to the other drawing while picking.
        if (prompt == QStringLiteral("Pick First Point:"))
            other->activate();
        timer().setEnabled(true);
        timer().fire();
        timer().setEnabled(false);
        heldWhilePicking = heldWhilePicking && !released;
    };
    scriptSimpleMarker();
    create();
    EXPECT_TRUE(heldWhilePicking);
    EXPECT_EQ(module->connection().document, other);
    EXPECT_EQ(model().leaders.size(), 2u);
    EXPECT_EQ(model().texts.size(), 2u);
    EXPECT_EQ(other->modelSpace()->count(), 0);
    EXPECT_EQ(orthomode(), 0);
}

TEST_F(Create, OrthoModeIsPutBackOnEveryWayOut)
{
    drawing->setVariable(QStringLiteral("Orthomode"), 0);
    FrmMain& f = start();

    // Esc at the first pick: reported, nothing drawn.
    user.esc();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCreate_Click"));
    create();
    EXPECT_EQ(orthomode(), 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(model().lines.empty());

    // Esc at a label: the labels' own report.
    user.point(0, 0).point(10, 0).enter().point(15, 0).esc();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tAddText"));
    create();
    EXPECT_EQ(orthomode(), 0);
    EXPECT_TRUE(f.isVisible());

    // A user who works with ortho on keeps it.
    drawing->setVariable(QStringLiteral("Orthomode"), 1);
    user.esc();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCreate_Click"));
    create();
    EXPECT_EQ(orthomode(), 1);
}

TEST_F(Create, SizesAreCheckedBeforeAnythingHappens)
{
    FrmMain& f = start();
    const QList<QPair<QString, QString>> bad = {{"abc", ".125"}, {"0", ".125"}, {"", ".125"},
                                                {".375", "0"},   {".375", "-1"}, {".375", "1/8"}};
    for (const auto& [arrow, size] : bad) {
        box(QStringLiteral("TxtArrow")).setText(arrow);
        box(QStringLiteral("TxtSize")).setText(size);
        const QString named = size == QStringLiteral(".125") ? QStringLiteral("The Arrow Size must be a number above 0.")
                                                               : QStringLiteral("The Text Size must be a number above 0.");
        ui.expectMsgBox(msgbox::Ok);
        create();
        EXPECT_EQ(ui.last().text, named) << arrow.toStdString() << " " << size.toStdString();
        EXPECT_EQ(ui.last().style, msgbox::OkOnly);
        EXPECT_TRUE(f.isVisible());
    }
    EXPECT_TRUE(host->journal().entries().isEmpty()) << "nothing asked of the host";
    EXPECT_TRUE(user.prompts().isEmpty());
}

TEST_F(Create, SideOffTheAxesTakesTheAxisItLiesFartherAlong)
{
    start();
    // Typed coordinates are not levelled by ortho.
    user.point(0, 0).point(10, 0).enter().typed(16, 3).point(1, 1).point(2, 2);
    create();
    EXPECT_EQ(model().leaders.at(0).vertices.front(), pt(10.75, 0));

    user.point(0, 0).point(10, 0).enter().typed(11, -5).point(1, 1).point(2, 2);
    create();
    EXPECT_EQ(model().leaders.at(2).vertices.front(), pt(10, -0.75));
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Create, SideOnTheLastPointDrawsNoArrowsAndSaysSo)
{
    FrmMain& f = start();
    user.point(0, 0).point(10, 0).enter().typed(10, 0).point(1, 1).point(2, 2);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("No arrows drawn"));
    create();
    EXPECT_TRUE(model().leaders.empty());
    EXPECT_EQ(model().texts.size(), 2u) << "the labels are still asked for";
    EXPECT_EQ(model().lines.size(), 1u);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Create, NamedLayerIsMadeWithPhantomAndTheColourInAnyCase)
{
    start();
    box(QStringLiteral("TxtLayerName")).setText(QStringLiteral("Sect"));
    list(QStringLiteral("TxtColor")).setEditText(QStringLiteral("Blue"));
    list(QStringLiteral("TxtLineType")).setEditText(QString());
    scriptSimpleMarker();
    create();
    const auto layer = drawing->layers()->item(QStringLiteral("Sect"));
    EXPECT_EQ(layer->color(), 5);
    EXPECT_EQ(layer->linetype(), QStringLiteral("PHANTOM"));
    EXPECT_EQ(drawing->activeLayer()->name(), QStringLiteral("Sect"));
    EXPECT_EQ(model().layers, QStringList(5, QStringLiteral("Sect")));
}

TEST_F(Create, ExistingLayerStaysAsItIsButHoldsTheMarker)
{
    const auto sect = drawing->layers()->add(QStringLiteral("Sect"));
    sect->setColor(3);
    start();
    box(QStringLiteral("TxtLayerName")).setText(QStringLiteral("SECT"));
    list(QStringLiteral("TxtColor")).setEditText(QStringLiteral("red"));
    scriptSimpleMarker();
    create();
    EXPECT_EQ(sect->color(), 3);
    EXPECT_EQ(drawing->activeLayer()->name(), QStringLiteral("0"));
    for (const QString& each : model().layers)
        EXPECT_EQ(each.compare(QStringLiteral("Sect"), Qt::CaseInsensitive), 0) << each.toStdString();
}

TEST_F(Create, LayerThatCannotBeMadeLeavesTheMarkerOnTheCurrentLayer)
{
    start();
    box(QStringLiteral("TxtLayerName")).setText(QStringLiteral("Sect"));
    list(QStringLiteral("TxtLineType")).setEditText(QStringLiteral("NOSUCHTYPE"));
    scriptSimpleMarker();
    create();
    EXPECT_EQ(drawing->layers()->count(), 1) << "no layer half made";
    EXPECT_EQ(model().layers, QStringList(5, QStringLiteral("0")));
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Create, BeforeTheFirstTickThereIsNoDrawingToWorkIn)
{
    module = std::make_unique<MdlMain>(env);
    form = std::make_unique<FrmMain>(*module);
    dispatcher.run([&] { form->show(); });
    timer().setEnabled(false);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tCreate_Click"));
    create();
    EXPECT_TRUE(ui.last().text.contains(QStringLiteral("(91)")));
    EXPECT_TRUE(form->isVisible());
}
