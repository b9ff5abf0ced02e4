// Plots a person can see: where a plot job puts the drawing on its paper
// (rotation, window or extents, scale, centring, offset, pens), the PDF's
// page of the paper's size with the lines where the sheet puts them, the
// file names, and the host's plot and preview calls reaching the plot folder
// and a preview window.
#include "HostviewFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/hostview/PlotOutput.h"
#include "platform/cad/hostview/PlotPreview.h"
#include "platform/cad/hostview/PlotSheet.h"
#include "platform/cad/hostview/PlotWriter.h"
#include "platform/cad/standin/Layout.h"
#include "platform/testing/ErrorOf.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace hostview;
using namespace hostview::test;
using testing_env::errorOf;

namespace {

const QString A3 = QStringLiteral("ISO_A3_(297.00_x_420.00_MM)");
const QString Letter = QStringLiteral("Letter_(8.50_x_11.00_Inches)");

class Plots : public HostviewTest {
protected:
    Plots()
    {
        document->setActiveSpace(cad::space::Paper);
        layout = document->activeLayout();
        layout->setConfigName(QStringLiteral("Office Laser.pc3"));
        plotFolder = temp.path() + QStringLiteral("/plots");
    }

    // The job the host records for a plot of the layout as it is set.
    standin::PlotJob plotNow()
    {
        document->plot()->plotToDevice();
        return host->plotJobs().back();
    }

    // The four numbers of the PDF's first page box.
    static QList<double> mediaBox(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromLatin1(file.readAll());
        const auto match = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]")).match(text);
        QList<double> numbers;
        for (const QString& n : match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            numbers.append(n.toDouble());
        return numbers;
    }

    // The darkest pixel round a point of the image: a line between two
    // rows of pixels darkens both a little.
    static int darkestNear(const QImage& image, const QPointF& at)
    {
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                darkest = std::min(darkest, qGray(image.pixel(at.toPoint() + QPoint(dx, dy))));
        return darkest;
    }

    std::shared_ptr<cad::Layout> layout;
    QString plotFolder;
};

}  // namespace

TEST_F(Plots, WindowAtFullScaleLiesAtTheOffsetOnTheTurnedPaper)
{
    layout->setCanonicalMediaName(A3);
    layout->setPlotRotation(1);
    layout->setWindowToPlot({0, 0}, {100, 50});
    layout->setPlotType(cad::plotType::Window);
    layout->setStandardScale(cad::standardScale::OneToOne);
    auto job = plotNow();
    job.origin = {10, 20};
    PlotSheet sheet = PlotSheet::of(job, drawing());
    ASSERT_TRUE(sheet.isValid());
    EXPECT_EQ(sheet.paperSize(), QSizeF(420, 297));
    EXPECT_TRUE(sheet.clipsToArea());
    // A page of a pixel per millimetre: the window's corners 10 and 20 in
    // from the lower left.
    const QRectF page(0, 0, 420, 297);
    EXPECT_EQ(sheet.toPage(page).map(QPointF(0, 0)), QPointF(10, 277));
    EXPECT_EQ(sheet.toPage(page).map(QPointF(100, 50)), QPointF(110, 227));

    // Upside down, the paper is turned about its middle.
    job.rotation = 3;
    sheet = PlotSheet::of(job, drawing());
    EXPECT_EQ(sheet.toPage(page).map(QPointF(0, 0)), QPointF(410, 20));

    // A half scale halves the distances on the paper.
    job.rotation = 1;
    job.standardScale = cad::standardScale::OneToTwo;
    EXPECT_EQ(PlotSheet::of(job, drawing()).toPage(page).map(QPointF(100, 50)), QPointF(60, 252));
}

TEST_F(Plots, ExtentsScaledToFitAreCentredAndACentredWindowLiesWhereTheHostSaysItDoes)
{
    document->setActiveSpace(cad::space::Model);
    auto model = document->activeLayout();
    model->setConfigName(QStringLiteral("Office Laser.pc3"));
    model->setCanonicalMediaName(Letter);
    document->modelSpace()->addLine(pt(0, 0), pt(200, 100));
    model->setPlotType(cad::plotType::Extents);
    model->setStandardScale(cad::standardScale::ScaleToFit);
    model->setCenterPlot(true);
    const PlotSheet extents = PlotSheet::of(plotNow(), drawing());
    EXPECT_EQ(extents.space(), Space::Model);
    EXPECT_DOUBLE_EQ(extents.scale(), 8.5 / 200);
    EXPECT_DOUBLE_EQ(extents.offset().x(), 0.0);
    EXPECT_DOUBLE_EQ(extents.offset().y(), (11 - 4.25) / 2);

    model->setWindowToPlot({0, 0}, {4, 2});
    model->setPlotType(cad::plotType::Window);
    model->setPlotRotation(1);
    const standin::PlotJob job = plotNow();
    const PlotSheet window = PlotSheet::of(job, drawing());
    EXPECT_EQ(window.offset(), QPointF(job.origin.x, job.origin.y));
}

TEST_F(Plots, PdfPageHasThePapersSizeAndTheLinesComeOutBlackWithTheMonochromePens)
{
    document->layers()->add(QStringLiteral("Red"))->setColor(1);
    document->paperSpace()->addLine(pt(0, 100), pt(420, 100))->setLayer(QStringLiteral("Red"));
    document->paperSpace()->addLine(pt(200, 0), pt(200, 297));
    layout->setCanonicalMediaName(A3);
    layout->setPlotRotation(1);
    layout->setPlotType(cad::plotType::Layout);
    layout->setStandardScale(cad::standardScale::OneToOne);
    layout->setStyleSheet(QStringLiteral("monochrome.ctb"));
    const standin::PlotJob job = plotNow();

    const PlotWriter::Result written =
        PlotWriter::write(job, drawing(), plotFolder, QDateTime(QDate(2024, 3, 4), QTime(10, 15, 0)));
    ASSERT_TRUE(written.problem.isEmpty()) << written.problem.toStdString();
    EXPECT_EQ(QFileInfo(written.path).fileName(), QStringLiteral("Drawing1-Layout1-20240304-101500.pdf"));
    // A3 lying on its side: 420 by 297 millimetres in points.
    const QList<double> box = mediaBox(written.path);
    ASSERT_EQ(box.size(), 4);
    EXPECT_NEAR(box[2] - box[0], 420 / 25.4 * 72, 0.5);
    EXPECT_NEAR(box[3] - box[1], 297 / 25.4 * 72, 0.5);

    // The same sheet on an image a pixel per millimetre: the red line black
    // 100 up from the bottom, the paper white elsewhere.
    const PlotSheet sheet = PlotSheet::of(job, drawing());
    QImage image(420, 297, QImage::Format_RGB32);
    QPainter painter(&image);
    PlotWriter::paint(painter, QRectF(0, 0, 420, 297), sheet, drawing());
    painter.end();
    const QPointF on = sheet.toPage(QRectF(0, 0, 420, 297)).map(QPointF(300, 100));
    EXPECT_EQ(on, QPointF(300, 197));
    EXPECT_LE(darkestNear(image, on), 128);
    EXPECT_LE(darkestNear(image, QPointF(200, 50)), 128);
    // Grey is as dark as an antialiased black line gets; a red one would
    // stay red.
    EXPECT_EQ(qRed(image.pixel(300, 196)), qGreen(image.pixel(300, 196)));
    EXPECT_EQ(image.pixelColor(300, 150), QColor(Qt::white));

    // A second plot in the same second gets a file of its own.
    EXPECT_TRUE(PlotWriter::write(job, drawing(), plotFolder, QDateTime(QDate(2024, 3, 4), QTime(10, 15, 0)))
                    .path.endsWith(QStringLiteral("Drawing1-Layout1-20240304-101500-2.pdf")));
}

TEST_F(Plots, WindowPlotShowsNothingOutsideTheWindow)
{
    document->paperSpace()->addLine(pt(0, 10), pt(300, 10));
    layout->setCanonicalMediaName(A3);
    layout->setWindowToPlot({0, 0}, {100, 50});
    layout->setPlotType(cad::plotType::Window);
    layout->setStandardScale(cad::standardScale::OneToOne);
    const PlotSheet sheet = PlotSheet::of(plotNow(), drawing());
    QImage image(297, 420, QImage::Format_RGB32);
    QPainter painter(&image);
    PlotWriter::paint(painter, QRectF(0, 0, 297, 420), sheet, drawing());
    painter.end();
    // Portrait, no offset: the line 10 up from the bottom, cut at x = 100.
    EXPECT_LE(darkestNear(image, QPointF(50, 410)), 128);
    EXPECT_EQ(image.pixelColor(150, 409), QColor(Qt::white));
}

TEST_F(Plots, FileNamesHoldNoCharacterAFileNameCannot)
{
    standin::PlotJob job;
    job.drawing = QStringLiteral("C:\\Jobs\\A101.dwg");
    job.layout = QStringLiteral("Plan: 1/2");
    EXPECT_EQ(PlotWriter::fileName(job, QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58))),
              QStringLiteral("A101-Plan_ 1_2-20241231-235958.pdf"));
    job.device = QStringLiteral("Nowhere.pc3");
    const PlotWriter::Result result = PlotWriter::write(job, drawing(), plotFolder, QDateTime::currentDateTime());
    EXPECT_TRUE(result.path.isEmpty());
    EXPECT_FALSE(result.problem.isEmpty());
}

TEST_F(Plots, HostsPlotWritesAPdfIntoThePlotFolderAndItsPreviewOpensAWindow)
{
    PlotOutput output(plotFolder);
    output.setClock([] { return QDateTime(QDate(2024, 3, 4), QTime(9, 0, 0)); });
    host->context().setPlotSink(&output);
    document->paperSpace()->addLine(pt(0, 0), pt(8.5, 11));
    layout->setCanonicalMediaName(Letter);
    layout->setPlotRotation(0);

    QSignalSpy written(&output, &PlotOutput::plotWritten);
    document->plot()->plotToDevice();
    ASSERT_EQ(written.size(), 1);
    const QString path = written[0][0].toString();
    EXPECT_EQ(output.plots(), QStringList({path}));
    const QList<double> box = mediaBox(path);
    ASSERT_EQ(box.size(), 4);
    EXPECT_NEAR(box[2], 612, 0.5);  // Letter upright: 8.5 by 11 inches
    EXPECT_NEAR(box[3], 792, 0.5);

    QSignalSpy opened(&output, &PlotOutput::previewOpened);
    document->plot()->displayPlotPreview(1);
    ASSERT_EQ(opened.size(), 1);
    auto* preview = opened[0][0].value<PlotPreview*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->windowTitle().contains(QStringLiteral("Layout1")));
    EXPECT_EQ(output.plots().size(), 1);  // a preview writes nothing
    // The page is white with the sheet's line across it from corner to corner.
    const QImage image = preview->grab().toImage();
    const QRectF page = preview->pageRect();
    EXPECT_EQ(image.pixelColor(page.center().toPoint() + QPoint(page.width() / 4, page.height() / 8)),
              QColor(Qt::white));
    EXPECT_LT(darkestNear(image, preview->sheet().toPage(page).map(QPointF(4.25, 5.5))), 128);
    delete preview;

    // A folder that cannot be made fails the plot, which is still recorded.
    QFile blocker(temp.path() + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PlotOutput blocked(temp.path() + QStringLiteral("/blocked/plots"));
    host->context().setPlotSink(&blocked);
    QSignalSpy failed(&blocked, &PlotOutput::plotFailed);
    const size_t jobs = host->plotJobs().size();
    EXPECT_EQ(errorOf([&] { document->plot()->plotToDevice(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(failed.size(), 1);
    EXPECT_EQ(host->plotJobs().size(), jobs + 1);
    host->context().setPlotSink(nullptr);
}
