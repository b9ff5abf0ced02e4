#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/DimensionText.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Shapes.h"

#include <numbers>

using namespace standin;
using namespace standin::test;

namespace {

constexpr double Pi = std::numbers::pi;

// What a drawing view would be handed, kind by kind.
class Collector : public ShapeVisitor {
public:
    void circle(const EntityBase&, const CircleShape& s) override { circles.push_back(s); }
    void arc(const EntityBase&, const ArcShape& s) override { arcs.push_back(s); }
    void polyline(const EntityBase&, const PolylineShape& s) override { polylines.push_back(s); }
    void text(const EntityBase&, const TextShape& s) override { texts.push_back(s); }
    void dimension(const EntityBase&, const DimensionShape& s) override { dimensions.push_back(s); }
    void blockReference(const EntityBase&, const BlockReferenceShape& s) override { references.push_back(s); }
    void hatch(const EntityBase&, const HatchShape& s) override { hatches.push_back(s); }
    void viewport(const EntityBase&, const ViewportShape& s) override { viewports.push_back(s); }
    void leader(const EntityBase&, const LeaderShape& s) override { leaders.push_back(s); }

    std::vector<CircleShape> circles;
    std::vector<ArcShape> arcs;
    std::vector<PolylineShape> polylines;
    std::vector<TextShape> texts;
    std::vector<DimensionShape> dimensions;
    std::vector<BlockReferenceShape> references;
    std::vector<HatchShape> hatches;
    std::vector<ViewportShape> viewports;
    std::vector<LeaderShape> leaders;
};

void visit(const std::shared_ptr<cad::Entity>& entity, ShapeVisitor& visitor)
{
    dynamic_cast<const EntityBase&>(*entity).accept(visitor);
}

}  // namespace

class EntityKinds : public StandinTest {
protected:
    std::shared_ptr<cad::Document> document = host->addDocument();
    std::shared_ptr<cad::Block> space = document->modelSpace();
};

TEST_F(EntityKinds, NewKindsHaveTheHostsNamesAndTypeNumbers)
{
    const std::vector<std::tuple<std::shared_ptr<cad::Entity>, const char*, int>> kinds = {
        {space->addCircle(pt(0, 0), 1), "AcDbCircle", 8},
        {space->addArc(pt(0, 0), 1, 0, Pi), "AcDbArc", 4},
        {space->addLightWeightPolyline({0, 0, 1, 1}), "AcDbPolyline", 22},
        {space->addHatch(1, QStringLiteral("_USER"), false), "AcDbHatch", 16},
        {space->addDimDiametric(pt(1, 0), pt(-1, 0), 0), "AcDbDiametricDimension", 11},
        {space->addDimRadial(pt(0, 0), pt(1, 0), 0), "AcDbRadialDimension", 13},
        {space->addDimAngular(pt(0, 0), pt(1, 0), pt(0, 1), pt(1, 1)), "AcDbLineAngularDimension", 10},
        {space->addDimOrdinate(pt(2, 3), pt(2, 5), false), "AcDbOrdinateDimension", 12},
    };
    for (const auto& [entity, name, type] : kinds) {
        EXPECT_EQ(entity->entityName(), QLatin1String(name));
        EXPECT_EQ(entity->entityType(), type) << name;
    }
    EXPECT_EQ(cad::entityType::PolylineLight, 22);
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Block.AddLightWeightPolyline 0,0 1,1")));
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Block.AddHatch 1 _USER False")));
}

TEST_F(EntityKinds, AMemberAKindLacksRaises438)
{
    const auto circle = space->addCircle(pt(0, 0), 1);
    const auto arc = space->addArc(pt(0, 0), 1, 0, 1);
    const auto polyline = space->addLightWeightPolyline({0, 0, 1, 1});
    const auto hatch = space->addHatch(0, QStringLiteral("SOLID"), true);
    const auto diameter = space->addDimDiametric(pt(1, 0), pt(-1, 0), 0);
    const auto line = space->addLine(pt(0, 0), pt(1, 0));
    const auto text = space->addText(QStringLiteral("A"), pt(0, 0), 1);
    const auto lacking = [](auto call) { return testing_env::errorOf(call) == cad::err::MemberNotSupported; };

    EXPECT_TRUE(lacking([&] { circle->startAngle(); }));
    EXPECT_TRUE(lacking([&] { circle->setHeight(1); }));
    EXPECT_TRUE(lacking([&] { circle->closed(); }));
    EXPECT_TRUE(lacking([&] { arc->coordinates(); }));
    EXPECT_TRUE(lacking([&] { arc->setTextSuffix(QStringLiteral("x")); }));
    EXPECT_TRUE(lacking([&] { polyline->radius(); }));
    EXPECT_TRUE(lacking([&] { polyline->endPoint(); }));
    EXPECT_TRUE(lacking([&] { hatch->textString(); }));
    EXPECT_TRUE(lacking([&] { hatch->center(); }));
    EXPECT_TRUE(lacking([&] { diameter->center(); }));
    EXPECT_TRUE(lacking([&] { diameter->setHeight(1); }));
    EXPECT_TRUE(lacking([&] { diameter->patternName(); }));
    EXPECT_TRUE(lacking([&] { line->appendOuterLoop({circle}); }));
    EXPECT_TRUE(lacking([&] { line->measurement(); }));
    EXPECT_TRUE(lacking([&] { text->setTextPosition(pt(0, 0)); }));
    EXPECT_TRUE(lacking([&] { text->setClosed(true); }));
    // The members they have answer.
    EXPECT_DOUBLE_EQ(circle->radius(), 1);
    EXPECT_FALSE(polyline->closed());
    EXPECT_EQ(hatch->patternName(), QStringLiteral("SOLID"));
    EXPECT_DOUBLE_EQ(diameter->measurement(), 2);
}

TEST_F(EntityKinds, EveryDimensionKindTakesTheTextPropertiesByTheSameRules)
{
    const std::vector<std::shared_ptr<cad::Entity>> dimensions = {
        space->addDimAligned(pt(0, 0), pt(3, 4), pt(1, 1)),
        space->addDimDiametric(pt(1, 0), pt(-1, 0), 0.5),
        space->addDimRadial(pt(0, 0), pt(1, 0), 0.5),
        space->addDimAngular(pt(0, 0), pt(1, 0), pt(0, 1), pt(1, 1)),
        space->addDimOrdinate(pt(2, 3), pt(2, 5), true),
    };
    document->dimStyles()->add(QStringLiteral("Arch"));
    for (const auto& dimension : dimensions) {
        const std::string name = dimension->entityName().toStdString();
        const QString handle = dynamic_cast<const EntityBase&>(*dimension).handle();
        EXPECT_EQ(errorOf([&] { dimension->setPrimaryUnitsPrecision(9); }), cad::err::InvalidInput) << name;
        EXPECT_EQ(errorOf([&] { dimension->setUnitsFormat(0); }), cad::err::InvalidInput) << name;
        EXPECT_EQ(errorOf([&] { dimension->setScaleFactor(-1); }), cad::err::InvalidInput) << name;
        EXPECT_EQ(errorOf([&] { dimension->setStyleName(QStringLiteral("Metric")); }), cad::err::KeyNotFound) << name;
        EXPECT_EQ(dimension->primaryUnitsPrecision(), 4) << name;
        EXPECT_EQ(dimension->unitsFormat(), 2) << name;
        EXPECT_EQ(dimension->styleName(), QStringLiteral("Standard")) << name;

        dimension->setPrimaryUnitsPrecision(1);
        dimension->setUnitsFormat(4);
        dimension->setTextSuffix(QStringLiteral("%%c"));
        dimension->setTextOverride(QStringLiteral("<> REF"));
        dimension->setStyleName(QStringLiteral("arch"));
        EXPECT_EQ(dimension->styleName(), QStringLiteral("Arch")) << name;
        EXPECT_EQ(dimension->textOverride(), QStringLiteral("<> REF")) << name;
        // Refused values are journalled as tried, like every property write.
        EXPECT_TRUE(host->journal().contains(QStringLiteral("Entity.PrimaryUnitsPrecision %1 9").arg(handle))) << name;
        EXPECT_TRUE(host->journal().contains(QStringLiteral("Entity.StyleName %1 arch").arg(handle))) << name;
    }
}

TEST_F(EntityKinds, DimensionsMeasureAndShowTheirText)
{
    const auto aligned = space->addDimAligned(pt(0, 0), pt(3, 4), pt(1, 1));
    const auto rotated = space->addDimRotated(pt(0, 0), pt(3, 4), pt(0, 6), 0);
    const auto diameter = space->addDimDiametric(pt(5, 0), pt(-5, 0), 2);
    const auto radius = space->addDimRadial(pt(0, 0), pt(0, 2.5), 1);
    const auto angle = space->addDimAngular(pt(1, 1), pt(2, 1), pt(1, 5), pt(3, 3));
    const auto ordinate = space->addDimOrdinate(pt(2, -7), pt(2, -9), false);
    EXPECT_DOUBLE_EQ(aligned->measurement(), 5);
    EXPECT_DOUBLE_EQ(rotated->measurement(), 3);
    EXPECT_DOUBLE_EQ(diameter->measurement(), 10);
    EXPECT_DOUBLE_EQ(radius->measurement(), 2.5);
    EXPECT_DOUBLE_EQ(angle->measurement(), Pi / 2);
    EXPECT_DOUBLE_EQ(ordinate->measurement(), 7);
    // The text stands on the leader, outside the point it starts from.
    EXPECT_EQ(diameter->textPosition(), pt(7, 0));
    EXPECT_EQ(radius->textPosition(), pt(0, 3.5));
    EXPECT_EQ(ordinate->textPosition(), pt(2, -9));

    aligned->setTextSuffix(QStringLiteral(" TYP"));
    diameter->setPrimaryUnitsPrecision(1);
    radius->setUnitsFormat(5);
    radius->setPrimaryUnitsPrecision(1);
    angle->setPrimaryUnitsPrecision(0);
    ordinate->setTextOverride(QStringLiteral("EL. <>"));
    ordinate->setPrimaryUnitsPrecision(2);
    Collector shapes;
    for (const auto& entity : space->items())
        visit(entity, shapes);
    ASSERT_EQ(shapes.dimensions.size(), 6u);
    EXPECT_EQ(shapes.dimensions[0].text, QStringLiteral("5.0000 TYP"));
    EXPECT_EQ(shapes.dimensions[2].text, QStringLiteral("%%c10.0"));
    EXPECT_EQ(shapes.dimensions[3].text, QStringLiteral("R2 1/2"));
    EXPECT_EQ(shapes.dimensions[4].text, QStringLiteral("90%%d"));
    EXPECT_EQ(shapes.dimensions[5].text, QStringLiteral("EL. 7.00"));
    EXPECT_EQ(shapes.dimensions[1].kind, DimensionShape::Kind::Rotated);
    EXPECT_EQ(shapes.dimensions[4].points, (std::vector<cad::Point>{pt(1, 1), pt(2, 1), pt(1, 5)}));
    EXPECT_FALSE(shapes.dimensions[5].xAxis);
}

TEST(DimensionTextFormats, EachUnitFormatWritesTheLengthItsWay)
{
    EXPECT_EQ(DimensionText::length(15.5, 1, 2), QStringLiteral("1.55E+01"));
    EXPECT_EQ(DimensionText::length(15.5, 2, 3), QStringLiteral("15.500"));
    EXPECT_EQ(DimensionText::length(15.5, 3, 1), QStringLiteral("1'-3.5\""));
    EXPECT_EQ(DimensionText::length(11.99, 3, 1), QStringLiteral("1'-0.0\""));
    EXPECT_EQ(DimensionText::length(27.25, 4, 3), QStringLiteral("2'-3 1/4\""));
    EXPECT_EQ(DimensionText::length(27.25, 4, 1), QStringLiteral("2'-3 1/2\""));
    EXPECT_EQ(DimensionText::length(24, 4, 4), QStringLiteral("2'-0\""));
    EXPECT_EQ(DimensionText::length(0.375, 5, 3), QStringLiteral("3/8"));
    EXPECT_EQ(DimensionText::length(3.5, 5, 0), QStringLiteral("4"));
    EXPECT_EQ(DimensionText::length(2.0, 6, 2), QStringLiteral("2.00"));
    // Lengths past the fractional forms' reach come out in decimal.
    EXPECT_EQ(DimensionText::length(1e300, 4, 8).left(4), QStringLiteral("1000"));
    EXPECT_EQ(DimensionText::angle(Pi / 3, 2), QStringLiteral("60.00%%d"));
}

TEST_F(EntityKinds, CirclesAndArcsKeepTheHostsRules)
{
    EXPECT_EQ(errorOf([&] { space->addCircle(pt(0, 0), 0); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { space->addArc(pt(0, 0), -1, 0, 1); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { space->addArc(pt(0, 0), 1, std::nan(""), 1); }), cad::err::InvalidInput);
    EXPECT_EQ(space->count(), 0);

    const auto arc = space->addArc(pt(1, 1), 2, -Pi / 2, 5 * Pi);
    EXPECT_DOUBLE_EQ(arc->startAngle(), 1.5 * Pi);
    EXPECT_DOUBLE_EQ(arc->endAngle(), Pi);
    arc->setStartAngle(2 * Pi);
    EXPECT_DOUBLE_EQ(arc->startAngle(), 0);
    EXPECT_EQ(errorOf([&] { arc->setRadius(0); }), cad::err::InvalidInput);
    arc->setCenter(pt(4, 4));
    const auto circle = space->addCircle(pt(0, 0), 1);
    circle->setRadius(3);
    EXPECT_TRUE(host->journal().contains(
        QStringLiteral("Entity.Radius %1 3").arg(dynamic_cast<const EntityBase&>(*circle).handle())));

    Collector shapes;
    visit(arc, shapes);
    visit(circle, shapes);
    ASSERT_EQ(shapes.arcs.size(), 1u);
    EXPECT_EQ(shapes.arcs[0].center, pt(4, 4));
    EXPECT_DOUBLE_EQ(shapes.arcs[0].endAngle, Pi);
    EXPECT_DOUBLE_EQ(shapes.circles.at(0).radius, 3);
}

TEST_F(EntityKinds, PolylinesTakePairsOfCoordinates)
{
    EXPECT_EQ(errorOf([&] { space->addLightWeightPolyline({0, 0, 1}); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { space->addLightWeightPolyline({0, 0}); }), cad::err::InvalidInput);
    const auto polyline = space->addLightWeightPolyline({0, 0, 2, 0, 2, 2});
    EXPECT_EQ(errorOf([&] { polyline->setCoordinates({1, 1, 2}); }), cad::err::InvalidInput);
    EXPECT_EQ(polyline->coordinates(), (std::vector<double>{0, 0, 2, 0, 2, 2}));
    polyline->setCoordinates({0, 0, 3, 0, 3, 3, 0, 3});
    polyline->setClosed(true);
    Collector shapes;
    visit(polyline, shapes);
    ASSERT_EQ(shapes.polylines.size(), 1u);
    EXPECT_EQ(shapes.polylines[0].vertices.size(), 4u);
    EXPECT_TRUE(shapes.polylines[0].closed);
}

TEST_F(EntityKinds, HatchBoundaryIsTheLoopOfItsObjectsEndToEnd)
{
    EXPECT_EQ(errorOf([&] { space->addHatch(3, QStringLiteral("ANSI31"), true); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { space->addHatch(0, QString(), true); }), cad::err::InvalidInput);

    // Three lines, the second drawn the other way round.
    const auto a = space->addLine(pt(0, 0), pt(4, 0));
    const auto b = space->addLine(pt(0, 3), pt(4, 0));
    const auto c = space->addLine(pt(0, 3), pt(0, 0));
    const auto open = space->addLine(pt(9, 9), pt(10, 10));
    const auto text = space->addText(QStringLiteral("A"), pt(0, 0), 1);
    const auto hatch = space->addHatch(0, QStringLiteral("ANSI31"), true);
    EXPECT_EQ(errorOf([&] { hatch->appendOuterLoop({a, b}); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { hatch->appendOuterLoop({a, open}); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { hatch->appendOuterLoop({a, text}); }), cad::err::InvalidInput);
    const auto elsewhere = host->addDocument()->modelSpace()->addCircle(pt(0, 0), 1);
    EXPECT_EQ(errorOf([&] { hatch->appendOuterLoop({elsewhere}); }), cad::err::InvalidInput);

    hatch->appendOuterLoop({a, b, c});
    EXPECT_EQ(errorOf([&] { hatch->appendOuterLoop({a, b, c}); }), cad::err::InvalidInput);
    Collector shapes;
    visit(hatch, shapes);
    ASSERT_EQ(shapes.hatches.size(), 1u);
    EXPECT_EQ(shapes.hatches[0].boundary, (std::vector<cad::Point>{pt(0, 0), pt(4, 0), pt(0, 3)}));

    // A circle alone bounds its disc.
    const auto disc = space->addHatch(0, QStringLiteral("SOLID"), false);
    disc->appendOuterLoop({space->addCircle(pt(0, 0), 1)});
    disc->setPattern(1, QStringLiteral("_USER"));
    EXPECT_EQ(disc->patternType(), 1);
    visit(disc, shapes);
    EXPECT_EQ(shapes.hatches.at(1).boundary.size(), 72u);
}

TEST_F(EntityKinds, ShapesGiveAViewEveryKindsGeometry)
{
    const auto title = document->blocks()->add(pt(0, 0), QStringLiteral("Title"));
    title->addAttribute(0.25, QStringLiteral("No?"), pt(1, 1), QStringLiteral("NO"), QStringLiteral("7"));
    space->insertBlock(pt(10, 10), QStringLiteral("Title"), 2, 2, 1, 0.5);
    const auto text = space->addText(QStringLiteral("Up"), pt(1, 2), 0.5);
    text->setRotation(Pi / 2);
    text->setAlignment(1);
    text->setTextAlignmentPoint(pt(3, 2));
    space->addLeader({pt(0, 0), pt(1, 1)}, nullptr, 2);
    space->addLeader({pt(0, 0), pt(1, 1)}, nullptr, 0);
    const auto viewport = document->paperSpace()->addPViewport(pt(5, 4), 6, 3);
    viewport->setCustomScale(0.25);

    const auto entities = space->items();
    const auto sheet = document->paperSpace()->items();
    // Reading shapes is no call on the host: nothing is journalled, and no
    // failure injected for a member reaches a view.
    const qsizetype journalled = host->journal().entries().size();
    host->failures().failAlways(QStringLiteral("Entity.InsertionPoint"), cad::err::ExceptionOccurred);
    Collector shapes;
    for (const auto& entity : entities)
        visit(entity, shapes);
    for (const auto& entity : sheet)
        visit(entity, shapes);
    EXPECT_EQ(host->journal().entries().size(), journalled);
    ASSERT_EQ(shapes.references.size(), 1u);
    const BlockReferenceShape& r = shapes.references[0];
    EXPECT_EQ(r.blockName, QStringLiteral("Title"));
    EXPECT_EQ(r.insertion, pt(10, 10));
    EXPECT_DOUBLE_EQ(r.xScale, 2);
    EXPECT_DOUBLE_EQ(r.rotation, 0.5);
    ASSERT_EQ(r.attributes.size(), 1u);
    EXPECT_EQ(r.attributes[0].text, QStringLiteral("7"));
    EXPECT_EQ(r.attributes[0].position, pt(12, 12));
    ASSERT_EQ(shapes.texts.size(), 1u);
    EXPECT_DOUBLE_EQ(shapes.texts[0].rotation, Pi / 2);
    EXPECT_EQ(shapes.texts[0].alignment, 1);
    EXPECT_EQ(shapes.texts[0].alignmentPoint, pt(3, 2));
    ASSERT_EQ(shapes.leaders.size(), 2u);
    EXPECT_TRUE(shapes.leaders[0].arrowhead);
    EXPECT_FALSE(shapes.leaders[1].arrowhead);
    ASSERT_EQ(shapes.viewports.size(), 2u);
    EXPECT_TRUE(shapes.viewports[0].overall);
    EXPECT_EQ(shapes.viewports[1].paperCenter, pt(5, 4));
    EXPECT_EQ(shapes.viewports[1].viewCenter, pt(5, 4));
    EXPECT_DOUBLE_EQ(shapes.viewports[1].customScale, 0.25);
}

TEST_F(EntityKinds, TextRotationIsAnAngleOfTextsOnly)
{
    const auto text = space->addText(QStringLiteral("A"), pt(0, 0), 1);
    const auto paragraph = space->addMText(pt(0, 0), 4, QStringLiteral("B"));
    text->setRotation(-0.25);
    paragraph->setRotation(7);
    EXPECT_DOUBLE_EQ(text->rotation(), -0.25);
    EXPECT_DOUBLE_EQ(paragraph->rotation(), 7);
    EXPECT_EQ(errorOf([&] { text->setRotation(std::nan("")); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { space->addLine(pt(0, 0), pt(1, 1))->rotation(); }), cad::err::MemberNotSupported);
}
