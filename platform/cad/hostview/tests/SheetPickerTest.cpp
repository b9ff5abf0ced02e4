// What picks take, straight on a space's figures: a text by its box, a block
// reference as a whole by any of its lines, a window only what it holds
// whole, a crossing window what it touches.
#include "HostviewFixture.h"

#include "platform/cad/hostview/SheetPicker.h"
#include "platform/cad/standin/EntityBase.h"

using namespace hostview;
using namespace hostview::test;

namespace {

class Picking : public HostviewTest {
protected:
    SheetPicker picker() const { return SheetPicker(SheetPainter(drawing()).figures(Space::Model)); }
    std::shared_ptr<standin::EntityBase> at(double x, double y, double tolerance = 1.0) const
    {
        return picker().at(QPointF(x, y), tolerance);
    }
    template <class T>
    static const standin::EntityBase* base(const std::shared_ptr<T>& entity)
    {
        return dynamic_cast<const standin::EntityBase*>(entity.get());
    }
};

}  // namespace

TEST_F(Picking, TextsArePickedInsideTheirBoxAndReferencesByAnyOfTheirObjects)
{
    auto text = document->modelSpace()->addText(QStringLiteral("WIDE TEXT"), pt(0, 0), 10);
    auto block = document->blocks()->add(pt(0, 0), QStringLiteral("Pair"));
    block->addLine(pt(0, 0), pt(10, 0));
    block->addLine(pt(0, 20), pt(10, 20));
    auto reference = document->modelSpace()->insertBlock(pt(100, 100), QStringLiteral("Pair"), 1, 1, 1, 0);

    EXPECT_EQ(at(20, 5).get(), base(text));        // between the letters' strokes
    EXPECT_EQ(at(20, 13), nullptr);                // above the capitals
    EXPECT_EQ(at(105, 100.5).get(), base(reference));
    EXPECT_EQ(at(105, 120.5).get(), base(reference));
    EXPECT_EQ(at(105, 110), nullptr);
    // The nearer of two within reach wins.
    EXPECT_EQ(at(105, 100.5, 30).get(), base(reference));
}

TEST_F(Picking, WindowTakesWhatItHoldsWholeAndCrossingWhatItTouches)
{
    auto block = document->blocks()->add(pt(0, 0), QStringLiteral("Pair"));
    block->addLine(pt(0, 0), pt(10, 0));
    block->addLine(pt(0, 20), pt(10, 20));
    auto reference = document->modelSpace()->insertBlock(pt(100, 100), QStringLiteral("Pair"), 1, 1, 1, 0);
    auto line = document->modelSpace()->addLine(pt(90, 90), pt(95, 95));

    // Round one line of the reference and the loose line: the reference is
    // not whole inside.
    auto picked = picker().window(QRectF(QPointF(80, 80), QPointF(120, 105)), false);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0].get(), base(line));
    picked = picker().window(QRectF(QPointF(80, 80), QPointF(120, 105)), true);
    ASSERT_EQ(picked.size(), 2u);
    EXPECT_EQ(picked[0].get(), base(reference));  // in the order of the space
    // A crossing window between the reference's lines touches nothing.
    EXPECT_TRUE(picker().window(QRectF(QPointF(101, 105), QPointF(109, 115)), true).empty());
    // Whole inside: the reference too.
    EXPECT_EQ(picker().window(QRectF(QPointF(80, 80), QPointF(120, 125)), false).size(), 2u);
}
