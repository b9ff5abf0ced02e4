// Thumbnails: the shown space fitted into the picture in palette indexes
// that are the host's colour numbers, black round it; a layout's thumbnail
// holds what its viewports show.
#include "HostviewFixture.h"

#include "platform/cad/hostview/HostPalette.h"
#include "platform/cad/hostview/Thumbnailer.h"
#include "platform/cad/standin/Viewport.h"

using namespace hostview;
using namespace hostview::test;

namespace {

class Thumbnails : public HostviewTest {
protected:
    // How many pixels of the thumbnail hold the palette index.
    static int count(const QImage& image, int index)
    {
        int found = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found += image.pixelIndex(x, y) == index;
        return found;
    }
};

}  // namespace

TEST_F(Thumbnails, ModelSpaceFillsThePictureInTheColourNumbersOfItsLayers)
{
    document->layers()->add(QStringLiteral("Walls"))->setColor(1);
    document->modelSpace()->addLine(pt(0, 0), pt(300, 0))->setLayer(QStringLiteral("Walls"));
    document->modelSpace()->addLine(pt(0, 0), pt(0, 100));
    const QImage image = Thumbnailer().thumbnail(drawing());
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    ASSERT_EQ(image.size(), Thumbnailer::Size);
    EXPECT_EQ(image.colorTable(), HostPalette::thumbnailPalette());
    // The long red line runs along the bottom, nearly the whole width.
    const int bottom = image.height() / 2 + int(50.0 * (image.width() - 6) / 300.0);
    EXPECT_EQ(image.pixelIndex(image.width() / 2, bottom), 1);
    EXPECT_GT(count(image, 1), image.width() * 9 / 10);
    EXPECT_GT(count(image, 7), 30);
    EXPECT_EQ(count(image, 0) + count(image, 1) + count(image, 7), image.width() * image.height());
    EXPECT_EQ(image.pixelIndex(image.width() / 2, image.height() / 4), 0);
}

TEST_F(Thumbnails, LayoutShowsWhatItsViewportsShow)
{
    document->layers()->add(QStringLiteral("Green"))->setColor(3);
    document->modelSpace()->addCircle(pt(0, 0), 10)->setLayer(QStringLiteral("Green"));
    auto viewport = document->paperSpace()->addPViewport(pt(100, 100), 100, 100);
    std::dynamic_pointer_cast<standin::Viewport>(viewport)->setViewCenter(pt(0, 0));
    viewport->setCustomScale(4);
    document->setActiveSpace(cad::space::Paper);
    const QImage image = Thumbnailer().thumbnail(drawing());
    EXPECT_GT(count(image, 3), 100);  // the circle, 80 across on a 100 sheet
    EXPECT_GT(count(image, 7), 100);  // the viewport's frame
}

TEST_F(Thumbnails, ColoursOutsideThePaletteTakeTheNearestEntry)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(250, 5, 3));
    picture.setPixel(1, 0, qRgb(10, 10, 10));
    const QImage indexed = Thumbnailer::toPalette(picture);
    EXPECT_EQ(indexed.pixelIndex(0, 0), 1);
    EXPECT_EQ(indexed.pixelIndex(1, 0), 0);
    // An empty drawing is a black picture.
    EXPECT_EQ(count(Thumbnailer().thumbnail(drawing()), 0), Thumbnailer::Size.width() * Thumbnailer::Size.height());
}
