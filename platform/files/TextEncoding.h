#pragma once
// How the text files are decoded and encoded. Files are read as UTF-8 when
// they are valid UTF-8 (a leading byte-order mark is dropped); anything else is
// taken as Latin-1, the 8-bit text the original programs wrote, so an old file
// still reads with its accented letters instead of replacement marks. New text
// is written as UTF-8 without a byte-order mark.

#include <QByteArray>
#include <QString>

namespace files {

class TextEncoding {
public:
    enum class Kind { Utf8, Latin1 };

    struct Decoded {
        QString text;
        Kind kind = Kind::Utf8;
        bool byteOrderMark = false;
    };

    static Decoded decode(const QByteArray& bytes);

    // Encodes in the given kind; Latin-1 text that holds a character outside
    // Latin-1 is written as UTF-8 instead, so nothing turns into "?".
    static QByteArray encode(const QString& text, Kind kind = Kind::Utf8, bool byteOrderMark = false);
};

}  // namespace files
