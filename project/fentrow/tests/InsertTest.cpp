// Inserting the clicked drawing into the host's drawing: as a block at the
// scale of the space and units, as an overlay xref named after the same
// drawing whose path it takes, and the messages of a failed insert.
#include "FentrowFixture.h"

#include "platform/cad/AttributeReference.h"
#include "platform/cad/CadErrors.h"

using namespace fentrow;
using namespace fentrow::test;

namespace {

class InsertTest : public FentrowTest {
protected:
    InsertTest()
    {
        folder(QStringLiteral("P:\\Jobs"));
        folder(QStringLiteral("P:\\Other"));
        drawing(QStringLiteral("P:\\Jobs\\A101.dwg"));
        drawing(QStringLiteral("P:\\Other\\B202.dwg"));
        start();
        goTo(QStringLiteral("P:\\Jobs"));
        clickFile(QStringLiteral("A101.dwg"));
    }

    // The last entity of a space and its scale, told by its attribute's height.
    std::shared_ptr<cad::Entity> last(const std::shared_ptr<cad::Block>& space)
    {
        return space->count() ? space->item(space->count() - 1) : nullptr;
    }
    double scaleOf(const std::shared_ptr<cad::Entity>& reference)
    {
        return reference->getAttributes().at(0)->height();
    }

    void set(const char* variable, const QVariant& value) { document->setVariable(QLatin1String(variable), value); }
};

TEST_F(InsertTest, AModelSpaceBlockTakesTheDimensionScale)
{
    set("DIMSCALE", 48);
    t.user().point(10, 20);
    click("InsertBlock");
    const auto reference = last(document->modelSpace());
    ASSERT_TRUE(reference);
    EXPECT_EQ(reference->name(), QStringLiteral("A101"));
    EXPECT_EQ(reference->insertionPoint().x, 10);
    EXPECT_EQ(reference->insertionPoint().y, 20);
    EXPECT_DOUBLE_EQ(scaleOf(reference), 48);
    EXPECT_EQ(t.user().prompts(), QStringList{QStringLiteral("Pick a point: ")});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(InsertTest, AMetricModelSpaceBlockRoundsHalvesToEvenThenTimesTwentyFivePointFour)
{
    set("DIMSCALE", 2.5);
    set("MEASUREMENT", 1);
    t.user().point(0, 0);
    click("InsertBlock");
    EXPECT_DOUBLE_EQ(scaleOf(last(document->modelSpace())), 51);
}

TEST_F(InsertTest, AMetricScaleBeyondSixteenBitsIsInsertedWhole)
{
    set("DIMSCALE", 1300);
    set("MEASUREMENT", 1);
    t.user().point(0, 0);
    click("InsertBlock");
    EXPECT_DOUBLE_EQ(scaleOf(last(document->modelSpace())), 33020);
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(InsertTest, APaperSpaceBlockIsOneOrTwentyFiveWhateverTheDimensionScale)
{
    set("TILEMODE", 0);
    set("DIMSCALE", 48);
    t.user().point(1, 1);
    click("InsertBlock");
    EXPECT_DOUBLE_EQ(scaleOf(last(document->paperSpace())), 1);
    set("MEASUREMENT", 1);
    t.user().point(2, 2);
    click("InsertBlock");
    EXPECT_DOUBLE_EQ(scaleOf(last(document->paperSpace())), 25);
    EXPECT_EQ(document->modelSpace()->count(), 0);
}

TEST_F(InsertTest, ThroughAViewportOfALayoutBothInsertsGoIntoModelSpaceWherePicked)
{
    // Model space worked in through a viewport at half scale: the point is a
    // model point, which paper space would show off the viewport.
    document->setActiveSpace(cad::space::Paper);
    document->paperSpace()->addPViewport(cad::Point{100, 100, 0}, 80, 60)->setCustomScale(0.5);
    document->setMSpace(true);
    set("DIMSCALE", 48);
    const int paperObjects = document->paperSpace()->count();
    t.user().point(10, 20);
    click("InsertBlock");
    const auto reference = last(document->modelSpace());
    ASSERT_TRUE(reference);
    EXPECT_EQ(reference->insertionPoint().x, 10);
    EXPECT_EQ(reference->insertionPoint().y, 20);
    EXPECT_DOUBLE_EQ(scaleOf(reference), 48);

    goTo(QStringLiteral("P:\\Other"));
    clickFile(QStringLiteral("B202.dwg"));
    t.user().point(30, 40);
    click("InsertXref");
    EXPECT_EQ(last(document->modelSpace())->name(), QStringLiteral("B202.dwg"));
    EXPECT_EQ(document->paperSpace()->count(), paperObjects);
    EXPECT_TRUE(document->mSpace());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(InsertTest, AfterAFolderChangeBothInsertsTakeTheDrawingLastClicked)
{
    goTo(QStringLiteral("P:\\Other"));
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("B202.dwg")});
    t.user().point(5, 5);
    click("InsertXref");
    const auto xref = last(document->modelSpace());
    ASSERT_TRUE(xref);
    EXPECT_EQ(xref->name(), QStringLiteral("A101.dwg"));
    EXPECT_EQ(xref->path(), QStringLiteral("A101.dwg"));  // stored without a folder
    EXPECT_TRUE(host->journal().contains(QStringLiteral("Block.AttachExternalReference P:\\Jobs\\A101.dwg A101.dwg 5,5,0")))
        << host->journal().entries().join(u'|').toStdString();
    EXPECT_EQ(acad.xref, xref);

    t.user().point(6, 6);
    click("InsertBlock");
    EXPECT_EQ(last(document->modelSpace())->name(), QStringLiteral("A101"));
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(InsertTest, AnXrefNamedLikeABlockOfTheDrawingIsSaidSo)
{
    document->blocks()->add(cad::Point{0, 0, 0}, QStringLiteral("A101.dwg"));
    t.user().point(1, 1);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("*Error*  Xref is already a standard block in the current drawing"));
    click("InsertXref");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_EQ(t.ui().last().caption, QStringLiteral("Fentrow"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(InsertTest, AnEscAtThePickIsReportedWithItsNumberAndNothingIsInserted)
{
    t.user().esc();
    t.ui().expectMsgBox(msgbox::Ok, QString::number(cad::err::ExceptionOccurred) + QStringLiteral("   Desription:  "));
    click("InsertBlock");
    EXPECT_EQ(t.ui().last().style, msgbox::Critical);
    EXPECT_EQ(document->modelSpace()->count(), 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(InsertTest, WithNothingClickedTheInsertFailsWithItsMessage)
{
    form.reset();
    start();
    EXPECT_EQ(label1(), QString());
    t.user().point(1, 1);
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("   Desription:  "));
    click("InsertBlock");
    EXPECT_EQ(document->modelSpace()->count(), 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(InsertTest, WithoutTheHostAnInsertFailsWithItsMessage)
{
    form.reset();
    acad.connection = {};
    t.stopHost();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! AutoCad Not Running..."));
    start();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("91   Desription:  "));
    click("InsertXref");
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
