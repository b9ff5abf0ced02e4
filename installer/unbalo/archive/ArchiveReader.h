#pragma once

#include "installer/unbalo/archive/ArchiveSource.h"

#include <QList>
#include <QString>

namespace unbalo {

// One item of an archive: its place in the list it was packed from (1 for
// the top), its name and where its bytes lie.
struct ArchiveEntry {
    int number = 0;
    QString name;
    qint64 offset = 0;
    qint64 size = 0;
};

// What an archive holds, read and checked whole before anything is written.
struct ArchiveIndex {
    // The file ends with the magic: it is an installer, not the packer.
    bool installer = false;
    // Why the archive cannot be extracted, as a sentence part ("item 3 of 27
    // claims ..."); empty when every field is sound.
    QString problem;
    // In reading order: the last item first, the top item last.
    QList<ArchiveEntry> entries;

    bool sound() const { return installer && problem.isEmpty(); }
};

// Reads the installer archive from the end of a file. Every field is checked
// before any item is handed out: the count within 1 to 99, each size field
// CR padding and digits only (no leading zero) within what is left of the
// file in front of it, each name field CR padding and a name that ItemName
// accepts. A damaged or truncated archive gives a problem and no entries, so
// nothing of it is ever written. Positions are 64-bit throughout.
class ArchiveReader {
public:
    // The mode test: the file's last bytes are the magic, exactly.
    static bool isInstaller(const ArchiveSource& source);

    static ArchiveIndex index(const ArchiveSource& source);

    // An entry's bytes; fewer than its size when the source cannot give them.
    static QByteArray content(const ArchiveSource& source, const ArchiveEntry& entry);
};

}  // namespace unbalo
