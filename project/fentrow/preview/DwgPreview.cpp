#include "project/fentrow/preview/DwgPreview.h"

#include <QtEndian>

namespace fentrow {

namespace {

constexpr qint64 SeekerOffset = 13;
constexpr qint64 CountOffset = 20;  // in the image block
constexpr qint64 RecordsOffset = 21;
constexpr qint64 RecordSize = 9;
constexpr qint64 HeaderSize = 40;
constexpr qint64 PaletteSize = 256 * 4;

constexpr int CodeBitmap = 2;
constexpr int CodeMetafile = 3;

// The bytes of one file, read only where a check has shown they are there.
class Bytes {
public:
    explicit Bytes(const QByteArray& data) : data_(data) {}

    qint64 size() const { return data_.size(); }
    // Whether [offset, offset + length) lies inside the file.
    bool holds(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    quint8 byte(qint64 offset) const { return static_cast<quint8>(data_[offset]); }
    qint32 int32(qint64 offset) const { return qFromLittleEndian<qint32>(data_.constData() + offset); }
    quint16 uint16(qint64 offset) const { return qFromLittleEndian<quint16>(data_.constData() + offset); }

private:
    const QByteArray& data_;
};

DwgPreview::Result damaged(const QString& problem)
{
    DwgPreview::Result result;
    result.kind = DwgPreview::Kind::Damaged;
    result.problem = problem;
    return result;
}

DwgPreview::Result none() { return DwgPreview::Result{}; }

// The colour shown for a palette entry.
QRgb shownColour(const Bytes& bytes, qint64 entry)
{
    const int blue = bytes.byte(entry);
    const int green = bytes.byte(entry + 1);
    const int red = bytes.byte(entry + 2);
    if (red == 0 && green == 0 && blue == 0)
        return qRgb(255, 255, 255);
    if (red == 255 && green == 255 && blue == 255)
        return qRgb(0, 0, 0);
    return qRgb(red, green, blue);
}

DwgPreview::Result bitmap(const Bytes& bytes, qint64 start, qint64 size)
{
    if (start < 0 || size < 0 || !bytes.holds(start, size))
        return damaged(QStringLiteral("The preview's bitmap lies outside the file."));
    if (size < HeaderSize)
        return damaged(QStringLiteral("The preview's bitmap is too short for its header."));
    const qint64 width = bytes.int32(start + 4);
    const qint64 height = bytes.int32(start + 8);
    const int bitCount = bytes.uint16(start + 14);
    if (bitCount != 8 || width <= 0 || height <= 0)
        return none();
    if (size < HeaderSize + PaletteSize)
        return damaged(QStringLiteral("The preview's bitmap is too short for its palette."));
    // The stride and the rows stay far inside 64 bits: both factors are
    // below 2^31.
    const qint64 stride = (width + 3) / 4 * 4;
    const qint64 rows = stride * height;
    if (rows > size - HeaderSize - PaletteSize)
        return damaged(QStringLiteral("The preview's bitmap is too short for %1 x %2 pixels.").arg(width).arg(height));
    const qint64 palette = start + HeaderSize;
    const qint64 bottomRow = start + size - rows;

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return damaged(QStringLiteral("The preview's bitmap is too large to show."));
    for (qint64 y = 0; y < height; ++y) {
        // Image row y (0 at the top) is file row height - 1 - y (0 at the bottom).
        const qint64 row = bottomRow + (height - 1 - y) * stride;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (qint64 x = 0; x < width; ++x)
            line[x] = shownColour(bytes, palette + 4 * qint64(bytes.byte(row + x)));
    }
    DwgPreview::Result result;
    result.kind = DwgPreview::Kind::Image;
    result.image = image;
    return result;
}

}  // namespace

DwgPreview::Result DwgPreview::read(const QByteArray& file)
{
    const Bytes bytes(file);
    if (!bytes.holds(SeekerOffset, 4))
        return damaged(QStringLiteral("The file is too short to be a drawing."));
    const qint64 block = bytes.int32(SeekerOffset);
    if (!bytes.holds(block, RecordsOffset))
        return damaged(QStringLiteral("The preview's image block lies outside the file."));
    const int count = bytes.byte(block + CountOffset);
    if (count <= 1)
        return none();
    for (int i = 0; i < count; ++i) {
        const qint64 record = block + RecordsOffset + qint64(i) * RecordSize;
        if (!bytes.holds(record, RecordSize))
            return damaged(QStringLiteral("The preview's image records run past the end of the file."));
        const int code = bytes.byte(record);
        if (code == CodeMetafile)
            return none();
        if (code == CodeBitmap)
            return bitmap(bytes, bytes.int32(record + 1), bytes.int32(record + 5));
    }
    return none();
}

QString DwgPreview::release(const QByteArray& head)
{
    const QByteArray tag = head.left(TagLength);
    if (tag == "AC1015")
        return QStringLiteral("R15");
    if (tag == "AC1013" || tag == "AC1014")
        return QStringLiteral("R14");
    if (tag == "AC1010" || tag == "AC1011" || tag == "AC1012")
        return QStringLiteral("R13");
    return QStringLiteral("Unknown");
}

}  // namespace fentrow
