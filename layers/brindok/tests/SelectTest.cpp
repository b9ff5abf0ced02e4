#include "BrindokFixture.h"

#include "platform/cad/CadErrors.h"

using namespace brindok;
using namespace brindok::test;
namespace msgbox = forms::msgbox;

namespace {

// An object of a kind the stand-in host does not draw, known by its class
// name alone: the three-point angular dimension another host release
// reports, say.
class OtherKind : public cad::Entity {
public:
    explicit OtherKind(QString className) : className_(std::move(className)) {}
    QString entityName() const override { return className_; }
    QString layer() const override { return layer_; }
    void setLayer(const QString& layer) override { layer_ = layer; }
    void update() override {}

private:
    QString className_;
    QString layer_ = QStringLiteral("0");
};

std::vector<EntityPtr> ofKinds(const QStringList& classNames)
{
    std::vector<EntityPtr> made;
    for (const QString& name : classNames)
        made.push_back(std::make_shared<OtherKind>(name));
    return made;
}

class Select : public BrindokTest {
protected:
    // Picks everything, with `name` picked in the list and the spin at `value`.
    void moveAll(const QString& name, int value)
    {
        pickInList(name);
        mode(value);
        user.selection(everything());
        select().click();
    }
    QStringList setNames()
    {
        QStringList names;
        for (const auto& set : drawing->selectionSets()->items())
            names.append(set->name());
        return names;
    }
};

}  // namespace

TEST_F(Select, TheSpinControlSetsTheModeCaptionAndStopsAtItsEnds)
{
    start();
    EXPECT_EQ(select().text(), QStringLiteral("Select"));
    const QStringList captions = {"Select", "Select All Text", "Select All Dimensions", "Select All Text & Leader",
                                  "Select All Blocks"};
    for (int value = 1; value <= 4; ++value) {
        spin().triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(select().text(), captions[value]);
    }
    spin().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(spin().value(), 4);
    for (int value = 0; value < 6; ++value)
        spin().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(spin().value(), 0);
    EXPECT_EQ(select().text(), QStringLiteral("Select"));
}

TEST_F(Select, ModeZeroMovesEverythingAndSkipsARefusal)
{
    FrmMain& form = start();
    host->failures().failNext(QStringLiteral("Entity.Layer"), cad::err::InvalidInput);
    moveAll(QStringLiteral("Walls"), 0);
    EXPECT_EQ(layersOf(everything()), (QStringList{"0", "Walls", "Walls", "Walls", "Walls", "Walls", "Walls", "Walls"}));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Entity.Update")).size(), 8);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(setNames().isEmpty());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Select, EachModeMovesItsKindsOnly)
{
    start();
    moveAll(QStringLiteral("Notes"), 1);
    EXPECT_EQ(layersOf(everything()), (QStringList{"0", "0", "Notes", "Notes", "0", "0", "0", "0"}));
    moveAll(QStringLiteral("Dims"), 2);
    EXPECT_EQ(layersOf({aligned, rotated, text, line}), (QStringList{"Dims", "Dims", "Notes", "0"}));
    moveAll(QStringLiteral("Doors"), 4);
    EXPECT_EQ(layersOf({block, line, leader}), (QStringList{"Doors", "0", "0"}));
}

TEST_F(Select, DimensionsModeMovesEveryDimensionClassAndNothingElse)
{
    start();
    const std::vector<EntityPtr> dimensions =
        ofKinds({"AcDbDiametricDimension", "AcDbLineAngularDimension", "AcDb3PointAngularDimension",
                 "AcDbRadialDimension", "AcDbOrdinateDimension"});
    const std::vector<EntityPtr> others = ofKinds({"AcDbCircle", "AcDbArc", "AcDbPolyline", "AcDbHatch"});
    std::vector<EntityPtr> picked = {aligned, rotated, text, leader, block};
    picked.insert(picked.end(), dimensions.begin(), dimensions.end());
    picked.insert(picked.end(), others.begin(), others.end());

    pickInList(QStringLiteral("Dims"));
    mode(2);
    user.selection(picked);
    select().click();
    EXPECT_EQ(layersOf({aligned, rotated}), (QStringList{"Dims", "Dims"}));
    EXPECT_EQ(layersOf(dimensions), QStringList(5, QStringLiteral("Dims")));
    EXPECT_EQ(layersOf(others), QStringList(4, QStringLiteral("0")));
    EXPECT_EQ(layersOf({text, leader, block}), (QStringList{"0", "0", "0"}));

    // Every kind moves when the mode filters nothing.
    mode(0);
    user.selection(others);
    select().click();
    EXPECT_EQ(layersOf(others), QStringList(4, QStringLiteral("Dims")));
}

TEST_F(Select, DimensionsModeMovesTheHostsOwnDimensionKinds)
{
    start();
    const auto space = drawing->modelSpace();
    const std::vector<EntityPtr> dimensions = {
        aligned,
        rotated,
        space->addDimDiametric({-5, 0, 0}, {5, 0, 0}, 2),
        space->addDimRadial({0, 0, 0}, {5, 0, 0}, 2),
        space->addDimAngular({0, 0, 0}, {5, 0, 0}, {0, 5, 0}, {3, 3, 0}),
        space->addDimOrdinate({4, 4, 0}, {4, 8, 0}, true),
    };
    const auto circle = space->addCircle({0, 0, 0}, 5);
    const auto arc = space->addArc({0, 0, 0}, 5, 0, 1.5);
    const auto polyline = space->addLightWeightPolyline({0, 0, 4, 0, 4, 4, 0, 4});
    polyline->setClosed(true);
    const auto hatch = space->addHatch(0, QStringLiteral("ANSI31"), true);
    hatch->appendOuterLoop({polyline});
    const std::vector<EntityPtr> others = {circle, arc, polyline, hatch, line, text, mtext, leader, block};
    std::vector<EntityPtr> picked = others;
    picked.insert(picked.begin() + 2, dimensions.begin(), dimensions.end());

    pickInList(QStringLiteral("Dims"));
    mode(2);
    user.selection(picked);
    select().click();
    EXPECT_EQ(layersOf(dimensions), QStringList(6, QStringLiteral("Dims")));
    EXPECT_EQ(layersOf(others), QStringList(9, QStringLiteral("0")));
    EXPECT_TRUE(setNames().isEmpty());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Select, TextAndLeaderMoveTheTextsAndTheLeaderNotTheLines)
{
    FrmMain& form = start();
    pickInList(QStringLiteral("Notes"));
    mode(3);
    user.selection({line, text, line2, leader, mtext});
    select().click();
    EXPECT_EQ(layersOf({line, line2}), (QStringList{"0", "0"}));
    EXPECT_EQ(layersOf({text, leader, mtext}), (QStringList{"Notes", "Notes", "Notes"}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Select, InAFilteredModeTheFirstRefusalEndsTheMoveWithABox)
{
    FrmMain& form = start();
    pickInList(QStringLiteral("Notes"));
    mode(1);
    host->failures().failNext(QStringLiteral("Entity.Layer"), cad::err::InvalidInput, QStringLiteral("refused"));
    user.selection({line, text, mtext});
    ui.expectMsgBox(msgbox::Ok, QString::number(cad::err::InvalidInput) + QStringLiteral("  Description:  refused"));
    select().click();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_EQ(layersOf({text, mtext}), (QStringList{"0", "0"}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Select, CancelOrAnEmptyPickMovesNothingAndTheWindowComesBack)
{
    FrmMain& form = start();
    pickInList(QStringLiteral("Walls"));
    user.cancelSelection();
    select().click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(setNames(), QStringList{QStringLiteral("setpres")});

    user.selection({});
    select().click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(setNames().isEmpty()) << "the left-over set replaced, then deleted";
    for (const QString& each : layersOf(everything()))
        EXPECT_EQ(each, QStringLiteral("0"));
}

TEST_F(Select, NothingPickedInTheListAsksFirst)
{
    FrmMain& form = start();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Please Pick Layer from Listbox"));
    select().click();
    EXPECT_EQ(ui.last().style, msgbox::Information);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(setNames().isEmpty());
}
