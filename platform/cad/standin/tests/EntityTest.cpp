#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"

using namespace standin;
using namespace standin::test;

class Entities : public StandinTest {
protected:
    std::shared_ptr<cad::Document> document = host->addDocument();
};

TEST_F(Entities, AMemberTheEntityLacksRaises438)
{
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    EXPECT_EQ(errorOf([&] { line->setHeight(2.0); }), cad::err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { line->setTextSuffix(QStringLiteral("%%c")); }), cad::err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { line->getAttributes(); }), cad::err::MemberNotSupported);
    const auto text = document->modelSpace()->addText(QStringLiteral("A"), pt(0, 0), 1);
    EXPECT_EQ(errorOf([&] { text->setPrimaryUnitsPrecision(2); }), cad::err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { text->endPoint(); }), cad::err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { text->setAttachmentPoint(5); }), cad::err::MemberNotSupported);
    const auto mtext = document->modelSpace()->addMText(pt(0, 0), 10, QStringLiteral("B"));
    EXPECT_EQ(errorOf([&] { mtext->setAlignment(1); }), cad::err::MemberNotSupported);
    const auto dimension = document->modelSpace()->addDimAligned(pt(0, 0), pt(10, 0), pt(5, 2));
    EXPECT_EQ(errorOf([&] { dimension->setHeight(1); }), cad::err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { dimension->path(); }), cad::err::MemberNotSupported);
}

TEST_F(Entities, ClassNamesAndTypesAreTheHosts)
{
    const auto space = document->modelSpace();
    EXPECT_EQ(space->addLine(pt(0, 0), pt(1, 0))->entityName(), QStringLiteral("AcDbLine"));
    EXPECT_EQ(space->addText(QStringLiteral("A"), pt(0, 0), 1)->entityName(), QStringLiteral("AcDbText"));
    EXPECT_EQ(space->addMText(pt(0, 0), 1, QStringLiteral("A"))->entityName(), QStringLiteral("AcDbMText"));
    EXPECT_EQ(space->addLeader({pt(0, 0), pt(1, 1)}, nullptr, 2)->entityName(), QStringLiteral("AcDbLeader"));
    EXPECT_EQ(space->addDimAligned(pt(0, 0), pt(1, 0), pt(0, 1))->entityName(), QStringLiteral("AcDbAlignedDimension"));
    EXPECT_EQ(space->addDimRotated(pt(0, 0), pt(1, 0), pt(0, 1), 0)->entityType(), cad::entityType::DimRotated);
}

TEST_F(Entities, DimensionAndTextPropertiesFollowTheHostsRules)
{
    const auto dimension = document->modelSpace()->addDimRotated(pt(0, 0), pt(10, 0), pt(5, 2), 0);
    dimension->setPrimaryUnitsPrecision(3);
    dimension->setUnitsFormat(4);
    dimension->setTextSuffix(QStringLiteral(" TYP"));
    dimension->setTextOverride(QStringLiteral("<>"));
    EXPECT_EQ(dimension->primaryUnitsPrecision(), 3);
    EXPECT_EQ(dimension->textSuffix(), QStringLiteral(" TYP"));
    EXPECT_EQ(errorOf([&] { dimension->setPrimaryUnitsPrecision(9); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { dimension->setStyleName(QStringLiteral("Arch")); }), cad::err::KeyNotFound);
    document->dimStyles()->add(QStringLiteral("Arch"));
    dimension->setStyleName(QStringLiteral("ARCH"));
    EXPECT_EQ(dimension->styleName(), QStringLiteral("Arch"));

    const auto text = document->modelSpace()->addText(QStringLiteral("A"), pt(2, 3), 0.125);
    EXPECT_EQ(errorOf([&] { text->setTextAlignmentPoint(pt(5, 5)); }), cad::err::InvalidInput);
    text->setAlignment(1);
    text->setTextAlignmentPoint(pt(5, 5));
    EXPECT_EQ(text->insertionPoint(), pt(5, 5));
    text->setInsertionPoint(pt(6, 5));
    EXPECT_EQ(text->textAlignmentPoint(), pt(6, 5));
    EXPECT_EQ(errorOf([&] { text->setHeight(0); }), cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { text->setStyleName(QStringLiteral("Arch")); }), cad::err::KeyNotFound);
    EXPECT_EQ(errorOf([&] { text->setLayer(QStringLiteral("Ghost")); }), cad::err::KeyNotFound);
}

TEST_F(Entities, AnAlignedOrFittedTextRunsBetweenItsTwoPoints)
{
    const auto text = document->modelSpace()->addText(QStringLiteral("A"), pt(2, 3), 0.125);
    text->setAlignment(5);
    text->setTextAlignmentPoint(pt(12, 3));
    EXPECT_EQ(text->insertionPoint(), pt(2, 3)) << "the far end of the baseline moves alone";
    EXPECT_EQ(text->textAlignmentPoint(), pt(12, 3));
    text->setInsertionPoint(pt(2, 5));
    EXPECT_EQ(text->textAlignmentPoint(), pt(12, 5)) << "the text moves as a whole";
    text->setAlignment(3);
    text->setTextAlignmentPoint(pt(8, 5));
    EXPECT_EQ(text->insertionPoint(), pt(2, 5));
}

TEST_F(Entities, DeletedEntityIsGoneFromItsBlockAndRefusesCalls)
{
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    EXPECT_EQ(line->endPoint(), pt(1, 0));
    line->remove();
    EXPECT_EQ(document->modelSpace()->count(), 0);
    EXPECT_EQ(errorOf([&] { line->endPoint(); }), cad::err::ExceptionOccurred);
}
