// The drawing view driven with the mouse and keys, offscreen: the first
// show fits the drawing, the wheel zooms round the pointer, the middle button
// (and the left one when idle) pans, points are clicked with ortho levelling,
// objects are picked by click, window and crossing window, also through a
// viewport of the layout.
#include "HostviewFixture.h"

#include "platform/cad/hostview/DrawingView.h"
#include "platform/cad/hostview/HostPalette.h"
#include "platform/cad/standin/Viewport.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace hostview;
using namespace hostview::test;

namespace {

using Objects = std::vector<std::shared_ptr<cad::Entity>>;

class ViewTest : public HostviewTest {
protected:
    ViewTest()
    {
        qRegisterMetaType<cad::Point>("cad::Point");
        qRegisterMetaType<Objects>("std::vector<std::shared_ptr<cad::Entity>>");
        view.resize(400, 300);
    }

    void showView()
    {
        view.setDocument(document);
        view.show();
        QCoreApplication::processEvents();
    }

    QPoint widgetPoint(double x, double y) const { return view.toWidget(pt(x, y)).toPoint(); }

    // The brightest pixel round a widget point of the view's picture.
    static int brightnessNear(const QImage& image, const QPoint& at)
    {
        int best = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                best = std::max(best, qGray(image.pixel(at.x() + dx, at.y() + dy)));
        return best;
    }

    void wheel(const QPoint& at, int angle)
    {
        QWheelEvent event(at, view.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &event);
    }

    // Picks with the left button from one point to another (a click when
    // they are the same).
    Objects pick(const QPoint& from, const QPoint& to)
    {
        QSignalSpy picked(&view, &DrawingView::objectsPicked);
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&view, (from + to) / 2);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, to);
        EXPECT_EQ(picked.size(), 1);
        return picked.isEmpty() ? Objects() : picked.front().front().value<Objects>();
    }

    DrawingView view;
};

}  // namespace

TEST_F(ViewTest, FirstShowFitsTheDrawingAndPaintsItOnADarkBackground)
{
    document->modelSpace()->addLine(pt(1000, 2000), pt(1100, 2050));
    showView();
    const QPointF low = view.toWidget(pt(1000, 2000));
    const QPointF high = view.toWidget(pt(1100, 2050));
    EXPECT_TRUE(view.rect().contains(low.toPoint()) && view.rect().contains(high.toPoint()));
    EXPECT_GT(high.x() - low.x(), 0.8 * 400);  // the line fills most of the width
    EXPECT_LT(high.y(), low.y());              // y runs up

    const QImage image = view.grab().toImage();
    EXPECT_GT(brightnessNear(image, view.toWidget(pt(1050, 2025)).toPoint()), 100);
    EXPECT_EQ(image.pixelColor(5, 5), HostPalette::viewBackground());

    // Made larger, the view fits the drawing again.
    view.resize(800, 600);
    EXPECT_GT(view.toWidget(pt(1100, 2050)).x() - view.toWidget(pt(1000, 2000)).x(), 0.8 * 800);

    // A line added later shows once the view is told, where it runs.
    document->modelSpace()->addLine(pt(1000, 2040), pt(1100, 2040));
    view.refresh();
    EXPECT_GT(brightnessNear(view.grab().toImage(), view.toWidget(pt(1020, 2040)).toPoint()), 100);
}

TEST_F(ViewTest, WheelZoomsRoundThePointerAndDraggingPans)
{
    document->modelSpace()->addLine(pt(0, 0), pt(100, 100));
    showView();
    const QPoint pointer(120, 90);
    const cad::Point under = view.toDrawing(pointer);
    const double before = view.toWidget(pt(100, 0)).x() - view.toWidget(pt(0, 0)).x();
    wheel(pointer, 120);
    const cad::Point after = view.toDrawing(pointer);
    EXPECT_NEAR(after.x, under.x, 1e-9);
    EXPECT_NEAR(after.y, under.y, 1e-9);
    EXPECT_NEAR(view.toWidget(pt(100, 0)).x() - view.toWidget(pt(0, 0)).x(), before * 1.25, 1e-6);
    // The person's zoom is kept when the view changes size.
    view.resize(500, 400);
    EXPECT_NEAR(view.toWidget(pt(100, 0)).x() - view.toWidget(pt(0, 0)).x(), before * 1.25, 1e-6);

    // The middle button pans in every mode.
    view.setMode(DrawingView::Mode::Select);
    const QPointF origin = view.toWidget(pt(0, 0));
    QTest::mousePress(&view, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(150, 120));
    QTest::mouseRelease(&view, Qt::MiddleButton, Qt::NoModifier, QPoint(150, 120));
    EXPECT_EQ(view.toWidget(pt(0, 0)), origin + QPointF(50, 20));

    // Idle, the left button pans too; asking for a point, it does not.
    view.setMode(DrawingView::Mode::Idle);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(90, 100));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(90, 100));
    EXPECT_EQ(view.toWidget(pt(0, 0)), origin + QPointF(40, 20));
    view.setMode(DrawingView::Mode::Point);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(90, 100));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(90, 100));
    EXPECT_EQ(view.toWidget(pt(0, 0)), origin + QPointF(40, 20));
}

TEST_F(ViewTest, PointModeReportsTheClickedPointLevelledByOrtho)
{
    document->modelSpace()->addLine(pt(0, 0), pt(100, 100));
    showView();
    QSignalSpy points(&view, &DrawingView::pointPicked);
    view.setMode(DrawingView::Mode::Point);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, widgetPoint(30, 40));
    ASSERT_EQ(points.size(), 1);
    const auto first = points[0][0].value<cad::Point>();
    EXPECT_NEAR(first.x, 30, 0.5);
    EXPECT_NEAR(first.y, 40, 0.5);

    // Ortho from a base at (10, 10): the nearer axis wins.
    view.setMode(DrawingView::Mode::Point, pt(10, 10), true);
    QTest::mouseMove(&view, widgetPoint(60, 20));  // the rubber band follows
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, widgetPoint(60, 20));
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, widgetPoint(15, 80));
    ASSERT_EQ(points.size(), 3);
    EXPECT_EQ(points[1][0].value<cad::Point>().y, 10.0);
    EXPECT_EQ(points[2][0].value<cad::Point>().x, 10.0);

    QSignalSpy enter(&view, &DrawingView::enterPressed);
    QSignalSpy escape(&view, &DrawingView::escapePressed);
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(enter.size(), 1);
    EXPECT_EQ(escape.size(), 1);
}

TEST_F(ViewTest, ClickPicksTheNearestObjectAndWindowsPickWholeOrCrossing)
{
    auto model = document->modelSpace();
    const auto low = model->addLine(pt(0, 0), pt(100, 0));
    const auto high = model->addLine(pt(0, 10), pt(100, 10));
    const auto circle = model->addCircle(pt(150, 50), 20);
    document->layers()->add(QStringLiteral("Off"))->setLayerOn(false);
    model->addLine(pt(0, 5), pt(100, 5))->setLayer(QStringLiteral("Off"));
    showView();
    view.setMode(DrawingView::Mode::Select);

    // Near the lower line, a pixel or two off it.
    EXPECT_EQ(pick(widgetPoint(50, 1), widgetPoint(50, 1)), Objects({low}));
    EXPECT_EQ(pick(widgetPoint(50, 9), widgetPoint(50, 9)), Objects({high}));
    // On the hidden line, far from the others: nothing.
    EXPECT_EQ(pick(widgetPoint(50, 5), widgetPoint(50, 5)), Objects());
    // Inside the circle, away from its curve: nothing.
    EXPECT_EQ(pick(widgetPoint(150, 50), widgetPoint(150, 50)), Objects());

    // Left to right round both lines and half the circle: the lines only.
    EXPECT_EQ(pick(widgetPoint(-5, -5), widgetPoint(150, 55)), Objects({low, high}));
    // Right to left over the same: the circle it crosses too.
    EXPECT_EQ(pick(widgetPoint(150, 55), widgetPoint(-5, -5)), Objects({low, high, circle}));
    // Right to left across the middle of the lines only.
    EXPECT_EQ(pick(widgetPoint(60, 12), widgetPoint(40, 8)), Objects({high}));
}

TEST_F(ViewTest, LayoutShowsPaperSpaceAndPicksThroughTheViewportWorkedIn)
{
    document->setActiveSpace(cad::space::Paper);
    const auto modelLine = document->modelSpace()->addLine(pt(0, 0), pt(100, 0));
    const auto frame = document->paperSpace()->addPViewport(pt(200, 100), 100, 60);
    frame->setCustomScale(0.5);
    std::dynamic_pointer_cast<standin::Viewport>(frame)->setViewCenter(pt(50, 0));
    const auto paperLine = document->paperSpace()->addLine(pt(140, 50), pt(260, 50));
    showView();

    // On the sheet: the viewport's frame and the sheet's own line are picked,
    // never the model line it shows.
    view.setMode(DrawingView::Mode::Select);
    EXPECT_EQ(pick(widgetPoint(200, 50), widgetPoint(200, 50)), Objects({paperLine}));
    EXPECT_EQ(pick(widgetPoint(250, 110), widgetPoint(250, 110)), Objects({frame}));
    EXPECT_EQ(pick(widgetPoint(200, 100), widgetPoint(200, 100)), Objects());

    // Worked in through the viewport: points are model points at the
    // viewport's scale, the model line is picked where the viewport shows it.
    const QPointF sheetCentre = view.toWidget(pt(200, 100));
    const double sheetUnit = view.toWidget(pt(1, 0)).x() - view.toWidget(pt(0, 0)).x();
    document->setMSpace(true);
    view.refresh();
    EXPECT_EQ(view.toWidget(pt(50, 0)), sheetCentre);
    EXPECT_NEAR(view.toWidget(pt(1, 0)).x() - view.toWidget(pt(0, 0)).x(), sheetUnit * 0.5, 1e-9);
    const cad::Point centre = view.toDrawing(sheetCentre);
    EXPECT_NEAR(centre.x, 50, 1e-9);
    EXPECT_NEAR(centre.y, 0, 1e-9);
    EXPECT_EQ(pick(widgetPoint(30, 0), widgetPoint(30, 0)), Objects({modelLine}));

    // Model space keeps a zoom of its own, fitted when first shown.
    document->setActiveSpace(cad::space::Model);
    view.grab();
    const QPointF left = view.toWidget(pt(0, 0));
    const QPointF right = view.toWidget(pt(100, 0));
    EXPECT_GT(right.x() - left.x(), 0.8 * 400);
}

TEST_F(ViewTest, AnotherDrawingOpenedIntoTheDocumentIsFittedAfresh)
{
    // A drawing far from the one shown, saved to be opened later.
    const auto other = host->addDocument();
    other->modelSpace()->addLine(pt(5000, 7000), pt(5200, 7100));
    other->saveAs(QStringLiteral("C:\\Far.dwg"));
    host->closeDocument(other);

    document->modelSpace()->addLine(pt(0, 0), pt(10, 10));
    showView();
    // The person zooms in on the first drawing.
    wheel(QPoint(200, 150), 360);

    // Opened into the same document (single-document mode), the new drawing
    // is fitted, not shown at the old drawing's zoom.
    document->setVariable(QStringLiteral("SDI"), 1);
    document->open(QStringLiteral("C:\\Far.dwg"));
    ASSERT_EQ(host->documentList().size(), 1u);
    view.refresh();
    const QPointF low = view.toWidget(pt(5000, 7000));
    const QPointF high = view.toWidget(pt(5200, 7100));
    EXPECT_TRUE(view.rect().contains(low.toPoint()) && view.rect().contains(high.toPoint()));
    EXPECT_GT(high.x() - low.x(), 0.8 * 400);
    EXPECT_GT(brightnessNear(view.grab().toImage(), view.toWidget(pt(5100, 7050)).toPoint()), 100);
}
