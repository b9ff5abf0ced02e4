#include "installer/unbalo/archive/ArchiveReader.h"

#include "installer/unbalo/archive/ArchiveFormat.h"
#include "installer/unbalo/archive/ItemName.h"

namespace unbalo {

namespace {

using F = ArchiveFormat;

bool allDigits(const QByteArray& text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The text behind the CR padding of a field; null when something other than
// CR stands in the padding. An empty text (a field of padding only) is not
// null.
QByteArray behindPadding(const QByteArray& field)
{
    const qsizetype lastPad = field.lastIndexOf(F::Pad);
    for (qsizetype i = 0; i < lastPad; ++i)
        if (field[i] != F::Pad)
            return QByteArray();
    const QByteArray text = field.mid(lastPad + 1);
    return text.isNull() ? QByteArray("") : text;
}

QString itemOf(int number, int count) { return QStringLiteral("item %1 of %2").arg(number).arg(count); }

}  // namespace

bool ArchiveReader::isInstaller(const ArchiveSource& source)
{
    const qint64 size = source.size();
    return size >= F::MagicLength && source.read(size - F::MagicLength, F::MagicLength) == QByteArray(F::Magic);
}

ArchiveIndex ArchiveReader::index(const ArchiveSource& source)
{
    ArchiveIndex index;
    if (!isInstaller(source))
        return index;
    index.installer = true;
    const auto damaged = [&index](const QString& problem) {
        index.problem = problem;
        index.entries.clear();
        return index;
    };

    const qint64 length = source.size();
    if (length < F::TrailerLength)
        return damaged(QStringLiteral("the file ends before its item count"));
    const QByteArray countField = source.read(length - F::TrailerLength, F::CountLength);
    if (countField.size() != F::CountLength || !allDigits(countField))
        return damaged(QStringLiteral("its item count is not a number"));
    const int count = countField.toInt() - F::CountBias;
    if (count < 1 || count > F::MaxItems)
        return damaged(QStringLiteral("it claims %1 items, where an installer holds 1 to %2").arg(count).arg(F::MaxItems));

    qint64 back = F::TrailerLength;  // bytes from the end already read
    for (int number = count; number >= 1; --number) {
        const QString item = itemOf(number, count);
        if (length - back < F::FieldsLength)
            return damaged(item + QStringLiteral(" is cut off before its name and size"));

        const QByteArray nameField = source.read(length - back - F::NameFieldLength, F::NameFieldLength);
        back += F::NameFieldLength;
        const QByteArray nameBytes = behindPadding(nameField);
        if (nameField.size() != F::NameFieldLength || nameBytes.isNull())
            return damaged(QStringLiteral("the name field of %1 is damaged").arg(item));
        if (nameBytes.size() > F::MaxNameLength)
            return damaged(QStringLiteral("the name of %1 is longer than %2 characters").arg(item).arg(F::MaxNameLength));
        const QString name = ItemName::decode(nameBytes);
        const QString refused = ItemName::problem(name);
        if (!refused.isEmpty())
            return damaged(QStringLiteral("the name of %1 (\"%2\") is refused: %3").arg(item, name, refused));

        const QByteArray sizeField = source.read(length - back - F::SizeFieldLength, F::SizeFieldLength);
        back += F::SizeFieldLength;
        const QByteArray digits = behindPadding(sizeField);
        if (sizeField.size() != F::SizeFieldLength || !allDigits(digits) || (digits.size() > 1 && digits[0] == '0'))
            return damaged(QStringLiteral("the size field of %1 (%2) is not a number").arg(item, name));
        const qint64 size = digits.toLongLong();
        if (size > F::MaxItemSize)
            return damaged(QStringLiteral("%1 (%2) claims %3 bytes, more than an item may hold").arg(item, name).arg(size));
        const qint64 left = length - back;
        if (size > left)
            return damaged(QStringLiteral("%1 (%2) claims %3 bytes, but only %4 are left in front of it")
                               .arg(item, name)
                               .arg(size)
                               .arg(left));
        back += size;
        index.entries.append(ArchiveEntry{number, name, length - back, size});
    }
    return index;
}

QByteArray ArchiveReader::content(const ArchiveSource& source, const ArchiveEntry& entry)
{
    if (entry.size == 0)
        return QByteArray("");
    return source.read(entry.offset, entry.size);
}

}  // namespace unbalo
