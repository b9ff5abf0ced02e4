// The sheet painter over real stand-in drawings: colours and layers, each
// kind's geometry where it must run, blocks followed into their blocks,
// viewports showing model space clipped to their frames, and the pens of the
// plot style tables.
#include "HostviewFixture.h"

#include "platform/cad/hostview/FigureBuilder.h"
#include "platform/cad/hostview/TextOutline.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Viewport.h"

#include <numbers>

using namespace hostview;
using namespace hostview::test;

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);

class Painting : public HostviewTest {
protected:
    std::shared_ptr<cad::Layer> layer(const QString& name, int colour)
    {
        auto added = document->layers()->add(name);
        added->setColor(colour);
        return added;
    }

    // What the figures of model space draw, united.
    QRectF modelBounds() const { return SheetPainter(drawing()).extents(Space::Model); }
};

}  // namespace

TEST_F(Painting, LinesTakeTheirLayersColourAndLayersOffOrFrozenShowNothing)
{
    auto model = document->modelSpace();
    model->addLine(pt(10, 50.5), pt(190, 50.5))->setLayer(layer(QStringLiteral("Red"), 1)->name());
    model->addLine(pt(10, 70.5), pt(190, 70.5));  // layer 0: colour 7
    layer(QStringLiteral("Off"), 3)->setLayerOn(false);
    layer(QStringLiteral("Frozen"), 3)->setFreeze(true);
    model->addLine(pt(10, 90.5), pt(190, 90.5))->setLayer(QStringLiteral("Off"));
    model->addLine(pt(10, 110.5), pt(190, 110.5))->setLayer(QStringLiteral("Frozen"));

    const QImage dark = paint(Space::Model);
    EXPECT_EQ(at(dark, 100.5, 50.5), Red);
    EXPECT_EQ(at(dark, 100.5, 70.5), White);
    EXPECT_EQ(at(dark, 100.5, 90.5), Black);
    EXPECT_EQ(at(dark, 100.5, 110.5), Black);
    EXPECT_EQ(at(dark, 100.5, 60.5), Black);

    // On paper colour 7 is black; the monochrome pens plot red black too.
    const QImage paper = paint(Space::Model, Background::Paper);
    EXPECT_EQ(at(paper, 100.5, 70.5), Black);
    EXPECT_EQ(at(paper, 100.5, 50.5), Red);
    const QImage mono = paint(Space::Model, Background::Paper, PenTable::named(QStringLiteral("MONOCHROME.ctb"), true));
    EXPECT_EQ(at(mono, 100.5, 50.5), Black);
    // Without plot styles the table does nothing.
    const QImage unstyled = paint(Space::Model, Background::Paper, PenTable::named(QStringLiteral("monochrome.ctb"), false));
    EXPECT_EQ(at(unstyled, 100.5, 50.5), Red);
}

TEST_F(Painting, CirclesArcsPolylinesAndHatchOutlinesRunWhereTheyAre)
{
    auto model = document->modelSpace();
    model->addCircle(pt(50.5, 50.5), 30);
    // A quarter arc from 90 to 180 degrees, counter-clockwise.
    model->addArc(pt(150.5, 50.5), 30, std::numbers::pi / 2, std::numbers::pi);
    model->addLightWeightPolyline({10.5, 150.5, 90.5, 150.5, 90.5, 190.5});
    const QImage image = paint(Space::Model);
    EXPECT_EQ(at(image, 80.5, 50.5), White);
    EXPECT_EQ(at(image, 50.5, 80.5), White);
    EXPECT_EQ(at(image, 50.5, 50.5), Black);
    EXPECT_EQ(at(image, 150.5, 80.5), White);   // the arc's start, straight up
    EXPECT_EQ(at(image, 120.5, 50.5), White);   // its end, to the left
    EXPECT_EQ(at(image, 180.5, 50.5), Black);   // not the other three quarters
    EXPECT_EQ(at(image, 150.5, 20.5), Black);
    EXPECT_EQ(at(image, 50.5, 150.5), White);
    EXPECT_EQ(at(image, 90.5, 170.5), White);
    EXPECT_EQ(at(image, 50.5, 170.5), Black);  // open: not closed back

    // A hatch is drawn as its outline, nothing inside.
    auto bound = model->addLightWeightPolyline({110.5, 110.5, 190.5, 110.5, 190.5, 190.5, 110.5, 190.5});
    bound->setClosed(true);
    auto hatch = model->addHatch(1, QStringLiteral("ANSI31"), true);
    hatch->appendOuterLoop({bound});
    bound->remove();
    const QImage hatched = paint(Space::Model);
    EXPECT_EQ(at(hatched, 150.5, 110.5), White);
    EXPECT_EQ(at(hatched, 110.5, 150.5), White);
    EXPECT_EQ(at(hatched, 150.5, 150.5), Black);
}

TEST_F(Painting, BlockReferencesDrawTheirBlockMovedScaledTurnedAndOnTheReferencesLayer)
{
    layer(QStringLiteral("Green"), 3);
    layer(QStringLiteral("Blue"), 5);
    auto block = document->blocks()->add(pt(5, 5), QStringLiteral("Mark"));
    block->addLine(pt(5, 5), pt(15, 5));  // layer 0: takes the reference's layer
    block->addLine(pt(5, 5), pt(5, 10))->setLayer(QStringLiteral("Green"));
    // Turned a quarter, scaled twice: the first line runs up from (100, 20).
    auto reference = document->modelSpace()->insertBlock(pt(100.5, 20.5), QStringLiteral("Mark"), 2, 2, 2,
                                                         std::numbers::pi / 2);
    reference->setLayer(QStringLiteral("Blue"));
    // Nested: a block holding a reference to the first, inserted once more.
    auto outer = document->blocks()->add(pt(0, 0), QStringLiteral("Outer"));
    outer->insertBlock(pt(0, 0), QStringLiteral("Mark"), 1, 1, 1, 0);
    document->modelSpace()->insertBlock(pt(50.5, 150.5), QStringLiteral("Outer"), 3, 3, 3, 0);

    const QImage image = paint(Space::Model);
    EXPECT_EQ(at(image, 100.5, 35.5), Blue);
    EXPECT_EQ(at(image, 90.5, 20.5), Green);  // the green line turned to the left
    EXPECT_EQ(at(image, 130.5, 20.5), Black);
    // Inside "Outer" the layer-0 line takes the outer reference's layer (0).
    EXPECT_EQ(at(image, 65.5, 150.5), White);
    EXPECT_EQ(at(image, 50.5, 160.5), Green);

    // A reference on a frozen layer shows nothing of its block.
    document->layers()->item(QStringLiteral("Blue"))->setFreeze(true);
    const QImage frozen = paint(Space::Model);
    EXPECT_EQ(at(frozen, 100.5, 35.5), Black);
    EXPECT_EQ(at(frozen, 90.5, 20.5), Black);
    EXPECT_EQ(at(frozen, 65.5, 150.5), White);
}

TEST_F(Painting, AttributesShowTheirValuesWhereTheReferencePlacedThem)
{
    auto block = document->blocks()->add(pt(0, 0), QStringLiteral("Title"));
    block->addLine(pt(0, 0), pt(50, 0));
    block->addAttribute(10, QStringLiteral("Title"), pt(0, 5), QStringLiteral("TITLE"), QStringLiteral("X"));
    auto reference = document->modelSpace()->insertBlock(pt(20, 20), QStringLiteral("Title"), 1, 1, 1, 0);
    reference->getAttributes().front()->setTextString(QStringLiteral("WWWWWWWW"));

    const std::vector<Figure> figures = SheetPainter(drawing()).figures(Space::Model);
    // The line and the attribute, both the reference's; not the definition.
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[0].entity, figures[1].entity);
    ASSERT_EQ(figures[1].textBoxes.size(), 1u);
    const QRectF text = figures[1].textBoxes[0].boundingRect();
    EXPECT_NEAR(text.left(), 20.0, 0.5);
    EXPECT_NEAR(text.bottom(), 35.0, 0.01);  // 10 high capitals from y = 25
    EXPECT_GT(text.width(), 50.0);           // eight wide letters, not the one-letter default
}

TEST_F(Painting, TextsStandByTheirHeightRotationAndAlignment)
{
    TextOutline outline;
    standin::TextShape shape{QStringLiteral("HELLO"), pt(20, 20), pt(80, 20), 10.0, 0.0, 0, QString()};
    const QRectF left = outline.text(shape).glyphs.boundingRect();
    EXPECT_NEAR(left.left(), 20.0, 1.5);
    EXPECT_NEAR(left.top(), 20.0, 0.2);      // capitals sit on the baseline...
    EXPECT_NEAR(left.bottom(), 30.0, 0.2);   // ...and are as high as the text

    shape.alignment = 2;  // right, on the alignment point
    EXPECT_NEAR(outline.text(shape).glyphs.boundingRect().right(), 80.0, 1.5);
    shape.alignment = 10;  // middle centre
    const QRectF middle = outline.text(shape).glyphs.boundingRect();
    EXPECT_NEAR(middle.center().x(), 80.0, 1.0);
    EXPECT_NEAR(middle.center().y(), 20.0, 0.2);

    shape.alignment = 0;
    shape.rotation = std::numbers::pi / 2;  // reads upwards
    const QRectF turned = outline.text(shape).glyphs.boundingRect();
    EXPECT_NEAR(turned.width(), 10.0, 0.5);  // round letters overshoot a little
    EXPECT_NEAR(turned.right(), 20.0, 0.5);
    EXPECT_GT(turned.height(), 30.0);

    shape.rotation = 0.0;
    shape.alignment = 3;  // aligned: the text fills the run from point to point
    const QRectF aligned = outline.text(shape).glyphs.boundingRect();
    EXPECT_NEAR(aligned.left(), 20.0, 2.5);  // the letters' side bearings, scaled up
    EXPECT_NEAR(aligned.right(), 80.0, 2.5);

    EXPECT_EQ(TextOutline::shown(QStringLiteral("45%%d %%C20 %%p1 100%%%")),
              QStringLiteral("45\u00B0 \u230020 \u00B11 100%"));
}

TEST_F(Painting, ParagraphTextsBreakTheirLinesAndHangFromTheirAttachmentPoint)
{
    EXPECT_EQ(TextOutline::paragraphLines(QStringLiteral("{\\fArial|b1;FIRST}\\PSECOND \\S1/2;")),
              QStringList({QStringLiteral("FIRST"), QStringLiteral("SECOND 1/2")}));

    TextOutline outline;
    standin::ParagraphShape shape{QStringLiteral("ONE\\PTWO"), pt(100, 100), 0.0, 6.0, 0.0, 1, QString()};
    const QRectF topLeft = outline.paragraph(shape).glyphs.boundingRect();
    EXPECT_NEAR(topLeft.left(), 100.0, 1.0);
    EXPECT_NEAR(topLeft.bottom(), 100.0, 0.2);  // the first line's capitals reach the point
    EXPECT_NEAR(topLeft.top(), 100.0 - 6.0 - 10.0 - 0.0, 0.5);  // two lines, 10 apart

    shape.attachment = 9;  // bottom right
    const TextOutline::Outline bottomRight = outline.paragraph(shape);
    EXPECT_NEAR(bottomRight.box.boundingRect().right(), 100.0, 1e-9);
    EXPECT_NEAR(bottomRight.box.boundingRect().top(), 100.0, 1e-9);

    // A width breaks the lines at blanks.
    shape = {QStringLiteral("AAA BBB CCC"), pt(0, 0), 20.0, 5.0, 0.0, 1, QString()};
    const QRectF wrapped = outline.paragraph(shape).glyphs.boundingRect();
    EXPECT_LE(wrapped.width(), 20.0);
    EXPECT_GT(wrapped.height(), 20.0);  // three lines
}

TEST_F(Painting, DimensionsDrawExtensionAndDimensionLinesArrowheadsAndTheirText)
{
    auto model = document->modelSpace();
    auto dimension = model->addDimAligned(pt(0, 0), pt(100, 0), pt(50, 20));
    dimension->setArrowheadSize(4);
    std::vector<Figure> figures = SheetPainter(drawing()).figures(Space::Model);
    ASSERT_EQ(figures.size(), 1u);
    const Figure& figure = figures[0];
    // The extension lines rise from the measured points, the dimension line
    // runs at the text's height with an arrowhead at each end.
    EXPECT_TRUE(figure.strokes.intersects(QRectF(-0.1, 10, 0.2, 1)));
    EXPECT_TRUE(figure.strokes.intersects(QRectF(99.9, 10, 0.2, 1)));
    EXPECT_TRUE(figure.strokes.intersects(QRectF(50, 19.9, 1, 0.2)));
    EXPECT_TRUE(figure.fills.contains(QPointF(1.0, 20.0)));
    EXPECT_TRUE(figure.fills.contains(QPointF(99.0, 20.0)));
    ASSERT_EQ(figure.textBoxes.size(), 1u);
    const QRectF text = figure.textBoxes[0].boundingRect();
    EXPECT_NEAR(text.center().x(), 50.0, 0.5);
    EXPECT_GT(text.top(), 20.0);  // above the dimension line

    // The text shown is the override when there is one.
    const double measuredWidth = text.width();
    dimension->setTextOverride(QStringLiteral("X"));
    figures = SheetPainter(drawing()).figures(Space::Model);
    EXPECT_LT(figures[0].textBoxes[0].boundingRect().width(), measuredWidth / 3.0);
}

TEST_F(Painting, LeadersEndInAnArrowheadOnTheirFirstVertex)
{
    auto leader = document->modelSpace()->addLeader({pt(10, 10), pt(60, 60), pt(90, 60)}, nullptr, 2);
    leader->setArrowheadSize(6);
    const std::vector<Figure> figures = SheetPainter(drawing()).figures(Space::Model);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_TRUE(figures[0].fills.contains(QPointF(12.0, 12.0)));
    EXPECT_FALSE(figures[0].fills.contains(QPointF(30.0, 30.0)));
    EXPECT_TRUE(figures[0].strokes.intersects(QRectF(89, 59, 2, 2)));
}

TEST_F(Painting, ViewportsShowModelSpaceAtTheirScaleClippedToTheirFrame)
{
    document->modelSpace()->addLine(pt(-400, 0.5), pt(400, 0.5));
    auto added = document->paperSpace()->addPViewport(pt(100.5, 100.5), 60, 60);
    added->setCustomScale(0.5);
    std::dynamic_pointer_cast<standin::Viewport>(added)->setViewCenter(pt(0, -20));
    // On the sheet the line runs through (100, 110.75) from x = 70 to 130.
    const QImage image = paint(Space::Paper);
    EXPECT_EQ(at(image, 100.5, 110.75), White);
    EXPECT_EQ(at(image, 120.5, 110.75), White);
    EXPECT_EQ(at(image, 60.5, 110.75), Black);   // outside the frame
    EXPECT_EQ(at(image, 140.5, 110.75), Black);
    EXPECT_EQ(at(image, 100.5, 70.5), White);    // the frame itself
    // Model space alone shows the line at its own place.
    EXPECT_EQ(at(paint(Space::Model), 60.5, 0.5), White);

    // A viewport that is off shows its frame only.
    added->display(false);
    const QImage off = paint(Space::Paper);
    EXPECT_EQ(at(off, 100.5, 110.75), Black);
    EXPECT_EQ(at(off, 100.5, 70.5), White);
}

TEST_F(Painting, ExtentsHoldWhatTheSpaceShowsAndNothingOfHiddenLayers)
{
    EXPECT_TRUE(modelBounds().isNull());
    document->modelSpace()->addLine(pt(-10, 5), pt(100, 50));
    layer(QStringLiteral("Hidden"), 1)->setLayerOn(false);
    document->modelSpace()->addCircle(pt(1000, 1000), 5)->setLayer(QStringLiteral("Hidden"));
    EXPECT_EQ(modelBounds(), QRectF(QPointF(-10, 5), QPointF(100, 50)));
    // Paper space: a viewport's frame, never the overall viewport.
    EXPECT_TRUE(SheetPainter(drawing()).extents(Space::Paper).isNull());
    document->paperSpace()->addPViewport(pt(50, 40), 20, 10);
    EXPECT_EQ(SheetPainter(drawing()).extents(Space::Paper), QRectF(QPointF(40, 35), QPointF(60, 45)));
}

TEST(Palette, PlainColoursAndTheThumbnailsEntries)
{
    EXPECT_EQ(HostPalette::colour(1, Background::Dark), Red);
    EXPECT_EQ(HostPalette::colour(7, Background::Dark), White);
    EXPECT_EQ(HostPalette::colour(7, Background::Paper), Black);
    EXPECT_EQ(HostPalette::colour(0, Background::Dark), White);  // out of range: as 7
    const QList<QRgb> entries = HostPalette::thumbnailPalette();
    ASSERT_EQ(entries.size(), 256);
    EXPECT_EQ(entries[0], qRgb(0, 0, 0));
    for (int i = 1; i < 256; ++i)
        EXPECT_NE(entries[i] & 0xFFFFFF, 0u) << i;
    EXPECT_EQ(PenTable(PenTable::Kind::Grayscale).pen(Red), QColor(qGray(qRgb(255, 0, 0)), qGray(qRgb(255, 0, 0)), qGray(qRgb(255, 0, 0))));
    EXPECT_EQ(PenTable(PenTable::Kind::Screening).pen(Black), QColor(127, 127, 127));
}
