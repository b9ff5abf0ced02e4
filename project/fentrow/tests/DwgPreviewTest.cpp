// The preview reader over drawing files built byte by byte: the record orders,
// the bitmap's rows and colours, the bitmaps it does not show, and heads that
// lie about where things are.
#include "DwgBytes.h"
#include "project/fentrow/preview/DwgPreview.h"

#include <gtest/gtest.h>
#include <limits>

using fentrow::DwgPreview;
using fentrow::test::DwgBytes;
using Kind = DwgPreview::Kind;

namespace {

// A 5 x 3 image (rows of 8 bytes with their padding): index 1 at the top
// left, 2 at the top right, 3 at the bottom left, 4 elsewhere.
QList<quint8> corners()
{
    QList<quint8> pixels(15, 4);
    pixels[0] = 1;
    pixels[4] = 2;
    pixels[10] = 3;
    return pixels;
}

QList<QRgb> palette()
{
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.append(qRgb(i, i, i));
    colours[1] = qRgb(0, 0, 0);        // shown white
    colours[2] = qRgb(255, 255, 255);  // shown black
    colours[3] = qRgb(200, 10, 20);
    colours[4] = qRgb(40, 40, 40);     // dark grey keeps its colour
    return colours;
}

DwgBytes headerBitmapMetafile()
{
    DwgBytes dwg;
    dwg.parts = {{1, QByteArray(80, 'h')}, {2, DwgBytes::bitmap(5, 3, corners(), palette())}, {3, "WMF-DATA"}};
    return dwg;
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

TEST(DwgPreview, HeaderBitmapMetafileShowsTheBitmapTopRowFirstWithBlackAndWhiteSwapped)
{
    const DwgPreview::Result result = DwgPreview::read(headerBitmapMetafile().build());
    ASSERT_EQ(result.kind, Kind::Image) << result.problem.toStdString();
    const QImage& image = result.image;
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(at(image, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(at(image, 4, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(image, 0, 2), qRgb(200, 10, 20));
    // The padding of a row is never a pixel: every other pixel is the grey.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            if (!((x == 0 && y == 0) || (x == 4 && y == 0) || (x == 0 && y == 2))) {
                EXPECT_EQ(at(image, x, y), qRgb(40, 40, 40)) << x << "," << y;
            }
}

TEST(DwgPreview, RowsAreTakenFromTheEndOfTheRecordWhateverLiesBeforeThem)
{
    DwgBytes dwg;
    dwg.parts = {{1, "HDR"}, {2, DwgBytes::bitmap(5, 3, corners(), palette(), 37)}};
    const DwgPreview::Result result = DwgPreview::read(dwg.build());
    ASSERT_EQ(result.kind, Kind::Image);
    EXPECT_EQ(at(result.image, 4, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(result.image, 0, 2), qRgb(200, 10, 20));
}

TEST(DwgPreview, WidthsThatAreNoMultipleOfFourKeepTheirRowsStraight)
{
    for (int width : {1, 2, 3, 4, 5, 6, 7, 9}) {
        const int height = 4;
        QList<quint8> pixels(width * height, 9);
        for (int y = 0; y < height; ++y)
            pixels[y * width + (width - 1)] = 1;  // the right edge of every row
        DwgBytes dwg;
        dwg.parts = {{1, "H"}, {2, DwgBytes::bitmap(width, height, pixels, palette())}};
        const DwgPreview::Result result = DwgPreview::read(dwg.build());
        ASSERT_EQ(result.kind, Kind::Image) << width;
        for (int y = 0; y < height; ++y) {
            EXPECT_EQ(at(result.image, width - 1, y), qRgb(255, 255, 255)) << width << "," << y;
            if (width > 1) {
                EXPECT_EQ(at(result.image, 0, y), qRgb(9, 9, 9)) << width << "," << y;
            }
        }
    }
}

TEST(DwgPreview, AMetafileBeforeTheBitmapOrNoBitmapAtAllIsNoPreview)
{
    DwgBytes dwg;
    dwg.parts = {{1, "H"}, {3, "WMF"}, {2, DwgBytes::bitmap(5, 3, corners())}};
    EXPECT_EQ(DwgPreview::read(dwg.build()).kind, Kind::NoPreview);

    dwg.parts = {{1, "H"}, {1, "H2"}, {7, "other"}};
    EXPECT_EQ(DwgPreview::read(dwg.build()).kind, Kind::NoPreview);

    // A record count of 0 or 1 is no preview, even when the one is a bitmap.
    dwg.parts = {};
    EXPECT_EQ(DwgPreview::read(dwg.build()).kind, Kind::NoPreview);
    dwg.parts = {{2, DwgBytes::bitmap(5, 3, corners())}};
    EXPECT_EQ(DwgPreview::read(dwg.build()).kind, Kind::NoPreview);
}

TEST(DwgPreview, BitmapsItDoesNotShowAreNoPreview)
{
    QByteArray file = headerBitmapMetafile().build();
    const int bitmapStart = qFromLittleEndian<qint32>(file.constData() + DwgBytes::startAt(1));

    QByteArray deep = file;
    DwgBytes::put16(deep, bitmapStart + 14, 24);
    EXPECT_EQ(DwgPreview::read(deep).kind, Kind::NoPreview);

    // Rows stored top down (a negative height) are not painted.
    QByteArray topDown = file;
    DwgBytes::put(topDown, bitmapStart + 8, -3);
    EXPECT_EQ(DwgPreview::read(topDown).kind, Kind::NoPreview);

    QByteArray empty = file;
    DwgBytes::put(empty, bitmapStart + 4, 0);
    EXPECT_EQ(DwgPreview::read(empty).kind, Kind::NoPreview);
}

TEST(DwgPreview, TruncatedFilesAndLyingOffsetsAreDamagedNeverReadPast)
{
    const QByteArray file = headerBitmapMetafile().build();
    const int bitmapStart = qFromLittleEndian<qint32>(file.constData() + DwgBytes::startAt(1));
    const int bitmapSize = qFromLittleEndian<qint32>(file.constData() + DwgBytes::sizeAt(1));
    const auto damaged = [](const QByteArray& bytes) {
        const DwgPreview::Result result = DwgPreview::read(bytes);
        return result.kind == Kind::Damaged && !result.problem.isEmpty() && result.image.isNull();
    };

    EXPECT_TRUE(damaged(QByteArray()));
    EXPECT_TRUE(damaged(file.left(16)));  // the seeker cut off
    EXPECT_TRUE(damaged(file.left(DwgBytes::CountAt)));  // the count cut off
    EXPECT_TRUE(damaged(file.left(DwgBytes::recordAt(1) + 4)));  // a record cut off
    EXPECT_TRUE(damaged(file.left(bitmapStart + 100)));  // the bitmap cut off

    for (const qint32 seeker : {-1, -21, std::numeric_limits<qint32>::min(), qint32(file.size()),
                                qint32(file.size()) - 20, std::numeric_limits<qint32>::max()}) {
        QByteArray lying = file;
        DwgBytes::put(lying, 13, seeker);
        EXPECT_TRUE(damaged(lying)) << seeker;
    }

    QByteArray manyRecords = file;
    manyRecords[DwgBytes::CountAt] = char(255);
    manyRecords.truncate(DwgBytes::recordAt(3) + 8);
    EXPECT_TRUE(damaged(manyRecords));
    // A count beyond the records there: the search runs off the end of the file.
    DwgBytes onlyHeaders;
    onlyHeaders.parts = {{1, "H"}, {1, "H"}};
    onlyHeaders.body.clear();
    QByteArray overCounted = onlyHeaders.build();
    overCounted[DwgBytes::CountAt] = char(200);
    EXPECT_TRUE(damaged(overCounted));

    const QList<QPair<qint32, qint32>> lies = {
        {-1, bitmapSize},
        {std::numeric_limits<qint32>::min(), bitmapSize},
        {bitmapStart, -1},
        {bitmapStart, bitmapSize + 1000},
        {bitmapStart, std::numeric_limits<qint32>::max()},
        {std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::max()},
        {std::numeric_limits<qint32>::max() - 10, 20},
        {bitmapStart, 39},
        {bitmapStart, 1000},
        {qint32(file.size()), 0},
    };
    for (const auto& [start, size] : lies) {
        QByteArray lying = file;
        DwgBytes::put(lying, DwgBytes::startAt(1), start);
        DwgBytes::put(lying, DwgBytes::sizeAt(1), size);
        EXPECT_TRUE(damaged(lying)) << start << " " << size;
    }

    // A header that claims more pixels than the record holds.
    for (const auto& [width, height] : QList<QPair<qint32, qint32>>{
             {5, 4}, {50, 3}, {std::numeric_limits<qint32>::max(), 1}, {1, std::numeric_limits<qint32>::max()},
             {std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::max()}}) {
        QByteArray lying = file;
        DwgBytes::put(lying, bitmapStart + 4, width);
        DwgBytes::put(lying, bitmapStart + 8, height);
        EXPECT_TRUE(damaged(lying)) << width << "x" << height;
    }
}

TEST(DwgPreview, TheStandInHostsHeadWithoutAnImageIsNoPreview)
{
    DwgBytes dwg;
    EXPECT_EQ(DwgPreview::read(dwg.build()).kind, Kind::NoPreview);
}

TEST(DwgPreview, TheTagNamesTheReleaseExactly)
{
    EXPECT_EQ(DwgPreview::release("AC1015 rest"), QStringLiteral("R15"));
    EXPECT_EQ(DwgPreview::release("AC1014"), QStringLiteral("R14"));
    EXPECT_EQ(DwgPreview::release("AC1013"), QStringLiteral("R14"));
    EXPECT_EQ(DwgPreview::release("AC1012"), QStringLiteral("R13"));
    EXPECT_EQ(DwgPreview::release("AC1011"), QStringLiteral("R13"));
    EXPECT_EQ(DwgPreview::release("AC1010"), QStringLiteral("R13"));
    EXPECT_EQ(DwgPreview::release("AC1009"), QStringLiteral("Unknown"));
    EXPECT_EQ(DwgPreview::release("AC1018"), QStringLiteral("Unknown"));
    EXPECT_EQ(DwgPreview::release("ac1015"), QStringLiteral("Unknown"));
    EXPECT_EQ(DwgPreview::release("AC101"), QStringLiteral("Unknown"));
    EXPECT_EQ(DwgPreview::release(QByteArray()), QStringLiteral("Unknown"));
}

}  // namespace
