#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace unbalo {

// The bytes an archive is read from, by position, so that the reader takes
// only the fields it needs, never the whole installer.
class ArchiveSource {
public:
    virtual ~ArchiveSource() = default;

    virtual qint64 size() const = 0;
    // The bytes from offset on; fewer than length only when the source
    // cannot give them (the reader then calls the archive damaged). The reader
    // asks only inside 0 .. size().
    virtual QByteArray read(qint64 offset, qint64 length) const = 0;
    // The host file the bytes are in, so that an item can be copied out of it
    // without passing through memory; empty for bytes held in memory.
    virtual QString hostFile() const { return {}; }
};

}  // namespace unbalo
