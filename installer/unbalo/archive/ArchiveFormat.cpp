#include "installer/unbalo/archive/ArchiveFormat.h"

#include <stdexcept>

namespace unbalo {

namespace {

QByteArray padded(const QByteArray& text, qint64 width)
{
    return QByteArray(width - text.size(), ArchiveFormat::Pad) + text;
}

}  // namespace

// The callers check what they store before the first byte is written; a value
// outside the layout here is a fault of ours, not of the user's files.
QByteArray ArchiveFormat::sizeField(qint64 size)
{
    if (size < 0 || size > MaxItemSize)
        throw std::invalid_argument("ArchiveFormat::sizeField: size outside the field");
    return padded(QByteArray::number(size), SizeFieldLength);
}

QByteArray ArchiveFormat::nameField(const QByteArray& name)
{
    if (name.isEmpty() || name.size() > MaxNameLength || name.contains(Pad))
        throw std::invalid_argument("ArchiveFormat::nameField: name outside the field");
    return padded(name, NameFieldLength);
}

QByteArray ArchiveFormat::trailer(int count)
{
    if (count < 1 || count > MaxItems)
        throw std::invalid_argument("ArchiveFormat::trailer: count outside the field");
    return QByteArray::number(count + CountBias) + QByteArray(Magic, MagicLength);
}

}  // namespace unbalo
