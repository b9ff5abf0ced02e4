#include "StandinFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/PlotSink.h"

using namespace standin;
using namespace standin::test;

class Plotting : public StandinTest {
protected:
    void SetUp() override
    {
        document = host->addDocument();
        document->setActiveSpace(cad::space::Paper);
        layout = document->activeLayout();
    }

    std::shared_ptr<cad::Document> document;
    std::shared_ptr<cad::Layout> layout;
};

TEST_F(Plotting, DevicesPapersAndStyleTablesComeFromTheCatalogue)
{
    EXPECT_EQ(layout->name(), QStringLiteral("Layout1"));
    EXPECT_EQ(layout->configName(), QStringLiteral("None"));
    EXPECT_TRUE(layout->getCanonicalMediaNames().isEmpty());
    EXPECT_TRUE(layout->getPlotDeviceNames().contains(QStringLiteral("Wide Format Plotter.pc3")));

    layout->setConfigName(QStringLiteral("Wide Format Plotter.pc3"));
    const QStringList media = layout->getCanonicalMediaNames();
    ASSERT_FALSE(media.isEmpty());
    EXPECT_EQ(layout->canonicalMediaName(), media.first());
    EXPECT_EQ(layout->getLocaleMediaName(QStringLiteral("ARCH_D_(24.00_x_36.00_Inches)")),
              QStringLiteral("ARCH D (24.00 x 36.00 Inches)"));
    layout->setCanonicalMediaName(QStringLiteral("ARCH_D_(24.00_x_36.00_Inches)"));
    EXPECT_EQ(errorOf([&] { layout->setCanonicalMediaName(QStringLiteral("Letter_(8.50_x_11.00_Inches)")); }),
              cad::err::InvalidInput);
    EXPECT_EQ(errorOf([&] { layout->setConfigName(QStringLiteral("Missing.pc3")); }), cad::err::InvalidInput);

    layout->setStyleSheet(QStringLiteral("MONOCHROME.CTB"));
    EXPECT_EQ(layout->styleSheet(), QStringLiteral("monochrome.ctb"));
    EXPECT_EQ(errorOf([&] { layout->setStyleSheet(QStringLiteral("monochrome.ctb (Missing)")); }),
              cad::err::PlotStyleRefused);
    EXPECT_EQ(layout->styleSheet(), QStringLiteral("monochrome.ctb"));
    EXPECT_EQ(errorOf([&] { layout->setPlotRotation(4); }), cad::err::InvalidInput);
}

TEST_F(Plotting, WindowIsStoredByItsLowerLeftAndUpperRightCorners)
{
    layout->setWindowToPlot({10, 20}, {0, 5});
    const auto [lowerLeft, upperRight] = layout->getWindowToPlot();
    EXPECT_EQ(lowerLeft, (cad::Point2{0, 5}));
    EXPECT_EQ(upperRight, (cad::Point2{10, 20}));
}

TEST_F(Plotting, PlotsAndPreviewsAreRecordedWithTheLayoutsSettings)
{
    const auto plot = document->plot();
    EXPECT_EQ(errorOf([&] { plot->plotToDevice(); }), cad::err::ExceptionOccurred);

    layout->setConfigName(QStringLiteral("Office Laser.pc3"));
    layout->setPlotRotation(1);
    layout->setPlotType(cad::plotType::Window);
    EXPECT_EQ(errorOf([&] { plot->plotToDevice(); }), cad::err::ExceptionOccurred);
    layout->setWindowToPlot({0, 0}, {10, 8});
    layout->setStandardScale(cad::standardScale::OneToTwo);
    plot->setNumberOfCopies(2);
    EXPECT_EQ(errorOf([&] { plot->setNumberOfCopies(0); }), cad::err::InvalidInput);
    plot->plotToDevice();
    plot->displayPlotPreview(1);

    ASSERT_EQ(host->plotJobs().size(), 2u);
    const PlotJob& job = host->plotJobs()[0];
    EXPECT_FALSE(job.preview);
    EXPECT_EQ(job.drawing, QStringLiteral("Drawing1.dwg"));
    EXPECT_EQ(job.layout, QStringLiteral("Layout1"));
    EXPECT_EQ(job.device, QStringLiteral("Office Laser.pc3"));
    EXPECT_EQ(job.media, QStringLiteral("Letter_(8.50_x_11.00_Inches)"));
    EXPECT_EQ(job.rotation, 1);
    EXPECT_EQ(job.standardScale, 17);
    EXPECT_EQ(job.copies, 2);
    EXPECT_EQ(job.windowUpperRight, (cad::Point2{10, 8}));
    EXPECT_TRUE(host->plotJobs()[1].preview);
}

TEST_F(Plotting, CentringPlacesTheWindowInTheMiddleOfTheTurnedSheet)
{
    layout->setConfigName(QStringLiteral("Office Laser.pc3"));
    layout->setCanonicalMediaName(QStringLiteral("Letter_(8.50_x_11.00_Inches)"));
    layout->setWindowToPlot({0, 0}, {4, 2});
    layout->setPlotType(cad::plotType::Window);
    layout->setStandardScale(cad::standardScale::OneToOne);
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{0, 0}));  // not centred yet

    layout->setCenterPlot(true);
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{2.25, 4.5}));
    layout->setPlotRotation(1);  // the sheet lies on its side: 11 x 8.5
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{3.5, 3.25}));
    layout->setStandardScale(cad::standardScale::OneToTwo);
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{4.5, 3.75}));
    layout->setStandardScale(cad::standardScale::ScaleToFit);  // 2.75 times: 11 x 5.5
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{0, 1.5}));

    document->plot()->plotToDevice();
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_TRUE(host->plotJobs()[0].centered);
    EXPECT_EQ(host->plotJobs()[0].origin, (cad::Point2{0, 1.5}));

    layout->setCenterPlot(false);
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{0, 0}));
    layout->setPlotType(cad::plotType::Extents);
    layout->setCenterPlot(true);
    EXPECT_EQ(layout->plotOrigin(), (cad::Point2{0, 0}));  // no extents to centre
}

namespace {

// Notes what it is told; raises when asked to.
class NotingSink : public PlotSink {
public:
    void plotted(const PlotJob& job, const std::shared_ptr<Document>& document) override
    {
        told.push_back({job, document});
        if (refuse)
            cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the plot folder cannot be written"));
    }
    void previewed(const PlotJob& job, const std::shared_ptr<Document>& document) override
    {
        told.push_back({job, document});
    }

    struct Told {
        PlotJob job;
        std::shared_ptr<Document> document;
    };
    std::vector<Told> told;
    bool refuse = false;
};

}  // namespace

TEST_F(Plotting, SinkIsToldOfEachPlotAndPreviewAfterTheJobIsRecorded)
{
    NotingSink sink;
    host->context().setPlotSink(&sink);
    layout->setConfigName(QStringLiteral("Office Laser.pc3"));
    EXPECT_EQ(errorOf([&] { document->plot()->displayPlotPreview(2); }), cad::err::InvalidInput);
    document->plot()->plotToDevice();
    document->plot()->displayPlotPreview(1);

    ASSERT_EQ(sink.told.size(), 2u);
    EXPECT_FALSE(sink.told[0].job.preview);
    EXPECT_TRUE(sink.told[1].job.preview);
    EXPECT_EQ(sink.told[0].document, document);
    EXPECT_EQ(sink.told[0].job.media, host->plotJobs()[0].media);
    EXPECT_EQ(sink.told[1].job.previewType, 1);

    // A sink that fails fails the tool's call; the job is recorded all the same.
    sink.refuse = true;
    EXPECT_EQ(errorOf([&] { document->plot()->plotToDevice(); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(host->plotJobs().size(), 3u);
}
