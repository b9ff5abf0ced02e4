// The host's thumbnails as the browser reads them: a drawing saved by the
// stand-in host with the host program's thumbnail maker carries a picture the
// preview reader shows, of the maker's size, with a line where the drawing has
// it (black and white swapped as the browser shows them).
#include "FentrowFixture.h"

#include "platform/cad/hostview/Thumbnailer.h"
#include "project/fentrow/MdlDwgPreview.h"
#include "project/fentrow/preview/DwgPreview.h"

namespace fentrow::test {

namespace {

class HostThumbnail : public FentrowTest {
protected:
    HostThumbnail() { writer->context().setThumbnailMaker(&thumbnailer); }

    hostview::Thumbnailer thumbnailer;
};

}  // namespace

TEST_F(HostThumbnail, SavedDrawingShowsItsLinesInTheBrowsersPreview)
{
    folder(QStringLiteral("P:\\Jobs"));
    const QString path = QStringLiteral("P:\\Jobs\\A101.dwg");
    const auto d = writer->addDocument();
    d->layers()->add(QStringLiteral("Walls"))->setColor(1);
    d->setVariable(QStringLiteral("CLAYER"), QStringLiteral("Walls"));
    // A wide red rectangle and a white diagonal across it.
    d->modelSpace()->addLightWeightPolyline({0, 0, 300, 0, 300, 100, 0, 100})->setClosed(true);
    d->setVariable(QStringLiteral("CLAYER"), QStringLiteral("0"));
    d->modelSpace()->addLine(cad::Point{0, 0, 0}, cad::Point{300, 100, 0});
    d->saveAs(path);

    const DwgPreview::Result result = DwgPreview::read(t.files().readAll(path));
    ASSERT_EQ(result.kind, DwgPreview::Kind::Image) << result.problem.toStdString();
    const QImage& image = result.image;
    ASSERT_EQ(image.size(), hostview::Thumbnailer::Size);
    const QPoint centre(image.width() / 2, image.height() / 2);
    // The diagonal runs through the middle: white in the drawing, shown
    // black; the black ground is shown white; the rectangle stays red.
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
        darkest = std::min(darkest, qGray(image.pixel(centre + QPoint(0, dy))));
    EXPECT_EQ(darkest, 0);
    EXPECT_EQ(image.pixel(centre + QPoint(0, 20)) | 0xFF000000u, qRgb(255, 255, 255));
    const int bottom = centre.y() + int(50.0 * (image.width() - 6) / 300.0);
    EXPECT_EQ(image.pixel(centre.x() - 30, bottom) | 0xFF000000u, qRgb(255, 0, 0));

    // The browser's box shows it, and the host still opens the drawing.
    PreviewBox box;
    MdlDwgPreview::ShowDwgPreview(t.env(), path, box);
    EXPECT_EQ(box.image().size(), hostview::Thumbnailer::Size);
    EXPECT_TRUE(box.text().isEmpty());
    EXPECT_EQ(host->openDocument(path)->modelSpace()->count(), 2);
}

}  // namespace fentrow::test
