#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace unbalo {

// The layout of the installer archive that follows the program in an
// installer's file, found from the end of the file with no knowledge of what
// stands in front of it: item records, each the item's bytes, a size field
// and a name field, then the count field and the magic. Fields are decimal
// digits or names padded on the left with CR bytes to their width.
struct ArchiveFormat {
    static constexpr char Magic[] = "UB13";
    static constexpr qint64 MagicLength = 4;
    static constexpr qint64 CountLength = 3;
    static constexpr qint64 TrailerLength = CountLength + MagicLength;
    static constexpr qint64 SizeFieldLength = 10;
    static constexpr qint64 NameFieldLength = 259;
    static constexpr qint64 FieldsLength = SizeFieldLength + NameFieldLength;
    // The count field holds the number of items plus this, so it always has
    // three digits.
    static constexpr int CountBias = 100;
    static constexpr int MaxItems = 99;
    static constexpr int MaxNameLength = 255;
    // Lengths are signed 32-bit numbers: an item is below 2 GiB.
    static constexpr qint64 MaxItemSize = 0x7FFFFFFF;
    static constexpr char Pad = '\r';

    // The size field of an item of that many bytes (0 to MaxItemSize).
    static QByteArray sizeField(qint64 size);
    // The name field of an item name's bytes (1 to MaxNameLength of them).
    static QByteArray nameField(const QByteArray& name);
    // The count field and the magic for that many items (1 to MaxItems).
    static QByteArray trailer(int count);
};

}  // namespace unbalo
