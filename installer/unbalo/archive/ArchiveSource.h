#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace unbalo {

// The bytes an archive is read from, by position, so that the reader takes
// only the fields it needs and one item's bytes at a time, never the whole
// installer.
class ArchiveSource {
public:
    virtual ~ArchiveSource() = default;

    virtual qint64 size() const = 0;
    // The bytes from offset on; fewer than length only when the source
    // cannot give them (the reader then calls the archive damaged). The reader
    // asks only inside 0 .. size().
    virtual QByteArray read(qint64 offset, qint64 length) const = 0;
};

}  // namespace unbalo
