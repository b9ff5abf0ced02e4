// The archive reader on arbitrary files. Besides not crashing, what it takes
// for sound must be exactly what the writer makes: the items lie back to back
// inside the file, each name passes the name rule, and writing the same stub
// and items again gives the same bytes.
#include "installer/unbalo/archive/ArchiveReader.h"
#include "installer/unbalo/archive/ArchiveWriter.h"
#include "installer/unbalo/archive/ItemName.h"
#include "installer/unbalo/archive/MemorySource.h"

#include <cstdint>
#include <cstdlib>

using namespace unbalo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const MemorySource source(bytes);
    const ArchiveIndex index = ArchiveReader::index(source);
    if (index.installer != ArchiveReader::isInstaller(source))
        std::abort();
    if (!index.sound()) {
        if (!index.entries.isEmpty())
            std::abort();
        return 0;
    }
    if (index.entries.isEmpty())
        std::abort();

    // The top item is read last; the stub is everything in front of it.
    const qint64 stubLength = index.entries.last().offset;
    QByteArray rewritten;
    ArchiveWriter writer([&](const char* bytes, qint64 length) { rewritten.append(bytes, length); },
                         int(index.entries.size()));
    writer.writeStub(bytes.left(stubLength));
    for (qsizetype i = index.entries.size() - 1; i >= 0; --i) {
        const ArchiveEntry& entry = index.entries[i];
        if (entry.offset < 0 || entry.size < 0 || entry.offset + entry.size > bytes.size())
            std::abort();
        if (!ItemName::problem(entry.name).isEmpty())
            std::abort();
        const QByteArray content = ArchiveReader::content(source, entry);
        if (content.size() != entry.size)
            std::abort();
        writer.writeItem(ItemName::encode(entry.name), content);
    }
    if (rewritten != bytes)
        std::abort();
    return 0;
}
