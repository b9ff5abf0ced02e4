#include "platform/cad/standin/DrawingHead.h"

#include "platform/cad/CadErrors.h"

#include <QtEndian>
#include <algorithm>

namespace standin {

const QByteArray DrawingHead::ReleaseTag = QByteArrayLiteral("AC1015");

namespace {

// Our own marker; readers skip it.
const QByteArray Sentinel = QByteArrayLiteral("STANDIN-IMAGES\0\0");

[[noreturn]] void damaged(const QString& why)
{
    cad::raise(cad::err::ExceptionOccurred, QStringLiteral("the drawing file is damaged (%1)").arg(why));
}

qint32 int32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// The header data record's length; its bytes are our own and read by nobody.
constexpr int HeaderDataSize = 80;

void appendInt32(QByteArray& bytes, qint32 value)
{
    char field[4];
    qToLittleEndian<qint32>(value, field);
    bytes.append(field, 4);
}

void appendUInt16(QByteArray& bytes, quint16 value)
{
    char field[2];
    qToLittleEndian<quint16>(value, field);
    bytes.append(field, 2);
}

// The data of the bitmap record: header, palette, rows bottom up.
QByteArray bitmapRecord(const QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    const int stride = (width + 3) / 4 * 4;
    QByteArray bytes;
    appendInt32(bytes, 40);  // the header's own size
    appendInt32(bytes, width);
    appendInt32(bytes, height);  // positive: rows bottom up
    appendUInt16(bytes, 1);      // planes
    appendUInt16(bytes, 8);      // bits per pixel
    appendInt32(bytes, 0);       // no compression
    appendInt32(bytes, stride * height);
    appendInt32(bytes, 0);  // no resolution
    appendInt32(bytes, 0);
    appendInt32(bytes, 256);  // palette entries used
    appendInt32(bytes, 0);
    const QList<QRgb> colours = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        const char entry[4] = {char(qBlue(colour)), char(qGreen(colour)), char(qRed(colour)), 0};
        bytes.append(entry, 4);
    }
    for (int row = height - 1; row >= 0; --row) {
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(row)), width);
        bytes.append(QByteArray(stride - width, '\0'));
    }
    return bytes;
}

}  // namespace

QByteArray DrawingHead::build(const QImage& thumbnail)
{
    QByteArray head(ImageBlockOffset, '\0');
    head.replace(0, ReleaseTag.size(), ReleaseTag);
    qToLittleEndian<qint32>(ImageBlockOffset, head.data() + 13);
    head.append(Sentinel);
    // Assumption: a thumbnail larger than the largest side is left out, so
    // every size in the head stays far inside 32 bits.
    const bool withImage = !thumbnail.isNull() && thumbnail.width() <= LargestThumbnailSide
                           && thumbnail.height() <= LargestThumbnailSide;
    if (!withImage) {
        appendInt32(head, 1);  // the count byte and no records
        head.append('\0');     // N = 0
        return head;
    }
    const QImage image = thumbnail.format() == QImage::Format_Indexed8
                             ? thumbnail
                             : thumbnail.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    // A reader takes a record count of 0 or 1 for a file without a
    // thumbnail, so the bitmap record comes after a header data record.
    const QByteArray headerData(HeaderDataSize, '\0');
    const QByteArray bitmap = bitmapRecord(image);
    constexpr int Records = 2;
    const qint32 firstData = ImageBlockOffset + 21 + 9 * Records;
    appendInt32(head, 1 + 9 * Records + qint32(headerData.size() + bitmap.size()));
    head.append(char(Records));
    head.append(char(1));
    appendInt32(head, firstData);
    appendInt32(head, qint32(headerData.size()));
    head.append(char(2));
    appendInt32(head, firstData + qint32(headerData.size()));
    appendInt32(head, qint32(bitmap.size()));
    head.append(headerData);
    head.append(bitmap);
    return head;
}

qsizetype DrawingHead::bodyOffset(const QByteArray& file)
{
    const qsizetype length = file.size();
    if (length < ImageBlockOffset || !file.startsWith(ReleaseTag))
        damaged(QStringLiteral("not a drawing of release %1").arg(QString::fromLatin1(ReleaseTag)));
    const qint64 image = int32At(file, 13);
    if (image < 17 || image + 21 > length)
        damaged(QStringLiteral("image block outside the file"));
    const int records = static_cast<unsigned char>(file[image + 20]);
    qint64 end = image + 21 + qint64(records) * 9;
    if (end > length)
        damaged(QStringLiteral("image records outside the file"));
    for (int i = 0; i < records; ++i) {
        const qsizetype record = image + 21 + qsizetype(i) * 9;
        const qint64 start = int32At(file, record + 1);
        const qint64 size = int32At(file, record + 5);
        if (start < 0 || size < 0 || start + size > length)
            damaged(QStringLiteral("image data outside the file"));
        end = std::max(end, start + size);
    }
    return end;
}

}  // namespace standin
