#pragma once
// Drawing files built byte by byte for the preview reader: a head with the
// release tag, the image block at a fixed offset and its records, each record
// pointing at its data laid out after the record table; and the data of an
// 8-bit bitmap record. Offsets of the fields are named so a test can make them
// lie.

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QtEndian>

namespace fentrow::test {

struct DwgBytes {
    static constexpr int BlockOffset = 32;
    static constexpr int CountAt = BlockOffset + 20;
    static int recordAt(int i) { return BlockOffset + 21 + 9 * i; }
    static int startAt(int i) { return recordAt(i) + 1; }
    static int sizeAt(int i) { return recordAt(i) + 5; }

    struct Part {
        int code;
        QByteArray data;
    };

    QByteArray tag = "AC1015";
    QList<Part> parts;
    QByteArray body = "\nSTANDIN DRAWING 1\n";

    QByteArray build() const
    {
        QByteArray file(BlockOffset, '\0');
        file.replace(0, tag.size(), tag);
        put(file, 13, BlockOffset);
        file.append("SENTINEL-IMAGES!", 16);
        QByteArray size(4, '\0');
        file.append(size);
        file.append(char(parts.size()));
        qint32 start = qint32(file.size() + 9 * parts.size());
        for (const Part& part : parts) {
            file.append(char(part.code));
            QByteArray numbers(8, '\0');
            qToLittleEndian<qint32>(start, numbers.data());
            qToLittleEndian<qint32>(qint32(part.data.size()), numbers.data() + 4);
            file.append(numbers);
            start += qint32(part.data.size());
        }
        for (const Part& part : parts)
            file.append(part.data);
        return file + body;
    }

    static void put(QByteArray& bytes, int offset, qint32 value) { qToLittleEndian<qint32>(value, bytes.data() + offset); }
    static void put16(QByteArray& bytes, int offset, quint16 value)
    {
        qToLittleEndian<quint16>(value, bytes.data() + offset);
    }

    // An 8-bit bitmap record's data: the header, a palette whose entry i is
    // palette.value(i) (grey i when not given), `gap` unused bytes, then the
    // rows bottom up. `topDown` holds the palette indexes row by row from the
    // top; padding bytes of a row are 0xEE.
    static QByteArray bitmap(int width, int height, const QList<quint8>& topDown,
                             const QList<QRgb>& palette = {}, int gap = 0)
    {
        const int stride = (width + 3) / 4 * 4;
        QByteArray data(40, '\0');
        put(data, 0, 40);
        put(data, 4, width);
        put(data, 8, height);
        put16(data, 12, 1);
        put16(data, 14, 8);
        put(data, 20, stride * height);
        for (int i = 0; i < 256; ++i) {
            const QRgb colour = i < palette.size() ? palette[i] : qRgb(i, i, i);
            data.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour))).append('\0');
        }
        data.append(QByteArray(gap, char(0x77)));
        for (int row = height - 1; row >= 0; --row) {
            QByteArray line(stride, char(0xEE));
            for (int x = 0; x < width; ++x)
                line[x] = char(topDown.value(row * width + x));
            data.append(line);
        }
        return data;
    }
};

}  // namespace fentrow::test
