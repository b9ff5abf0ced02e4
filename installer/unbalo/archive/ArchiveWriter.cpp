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
    if (written_ == itemCount_)
        throw std::logic_error("ArchiveWriter: more items than counted");
    // The fields are made before any byte goes out, so a refused field
    // leaves no half record behind.
    QByteArray fields = ArchiveFormat::sizeField(content.size()) + ArchiveFormat::nameField(name);
    ++written_;
    if (written_ == itemCount_)
        fields += ArchiveFormat::trailer(itemCount_);
    put(content);
    put(fields);
}

}  // namespace unbalo
