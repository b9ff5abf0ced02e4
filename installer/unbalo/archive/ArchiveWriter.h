#pragma once

#include <QByteArray>
#include <functional>

namespace unbalo {

// Writes an installer's bytes in order to a sink: the stub (the packer's own
// program), then each item's record, and with the last record the trailer.
// It holds nothing itself: an item's content can go into the file without
// passing through it (writeRecord), so packing needs no item in memory.
// The caller has checked every name and size; a list of none writes the stub
// alone, which is a packer and not an installer.
class ArchiveWriter {
public:
    using Sink = std::function<void(const char* data, qint64 size)>;

    // itemCount: 0 to ArchiveFormat::MaxItems.
    ArchiveWriter(Sink sink, int itemCount);

    void writeStub(const QByteArray& stub);
    // The next item: its name's bytes (see ItemName::encode) and its content.
    void writeItem(const QByteArray& name, const QByteArray& content);
    // The fields that close the next item, for a caller that has put the
    // item's size bytes of content in the file itself.
    void writeRecord(const QByteArray& name, qint64 size);

    int written() const { return written_; }

private:
    // The size and name fields of the next item; throws for a field outside
    // the layout or an item beyond the count.
    QByteArray fieldsOf(const QByteArray& name, qint64 size) const;
    void put(const QByteArray& bytes) { sink_(bytes.constData(), bytes.size()); }

    Sink sink_;
    int itemCount_;
    int written_ = 0;
};

}  // namespace unbalo
