#include "installer/unbalo/archive/ArchiveWriter.h"

#include "installer/unbalo/archive/ArchiveFormat.h"

#include <stdexcept>

namespace unbalo {

ArchiveWriter::ArchiveWriter(Sink sink, int itemCount) : sink_(std::move(sink)), itemCount_(itemCount)
{
    if (itemCount < 0 || itemCount > ArchiveFormat::MaxItems)
        throw std::invalid_argument("ArchiveWriter: item count outside the count field");
}

void ArchiveWriter::writeStub(const QByteArray& stub) { put(stub); }

void ArchiveWriter::writeItem(const QByteArray& name, const QByteArray& content)
{
    // Checked before the content goes out, so a refused field leaves no half
    // record behind.
    fieldsOf(name, content.size());
    put(content);
    writeRecord(name, content.size());
}

void ArchiveWriter::writeRecord(const QByteArray& name, qint64 size)
{
    QByteArray fields = fieldsOf(name, size);
    ++written_;
    if (written_ == itemCount_)
        fields += ArchiveFormat::trailer(itemCount_);
    put(fields);
}

QByteArray ArchiveWriter::fieldsOf(const QByteArray& name, qint64 size) const
{
    if (written_ == itemCount_)
        throw std::logic_error("ArchiveWriter: more items than counted");
    return ArchiveFormat::sizeField(size) + ArchiveFormat::nameField(name);
}

}  // namespace unbalo
