#pragma once

#include <QByteArray>
#include <functional>

namespace unbalo {

// Writes an installer's bytes in order to a sink: the stub (the packer's own
// program), then each item's record, and with the last record the trailer.
// It holds nothing itself, so packing needs memory for one item at a time.
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

    int written() const { return written_; }

private:
    void put(const QByteArray& bytes) { sink_(bytes.constData(), bytes.size()); }

    Sink sink_;
    int itemCount_;
    int written_ = 0;
};

}  // namespace unbalo
