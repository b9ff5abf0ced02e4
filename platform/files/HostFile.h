#pragma once
// The few host calls the file layer needs beyond path resolution: status,
// whole-file reading and streaming a copy. Failures raise the runtime's
// numbered errors through HostError.

#include <QByteArray>
#include <QString>

#include <ctime>
#include <sys/types.h>

namespace files {

class AtomicWriter;

class HostFile {
public:
    struct Status {
        bool exists = false;
        bool isFolder = false;
        bool isFile = false;
        mode_t permissions = 0;  // the permission bits (07777)
        qint64 size = 0;
        timespec modified{};
        dev_t device = 0;
        ino_t inode = 0;

        // Read-only means no write bit at all. The file layer checks this
        // itself before every write, delete or copy-over, because a process
        // running as root would otherwise write straight through the bits.
        bool isReadOnly() const { return (permissions & 0222) == 0; }
        bool sameAs(const Status& other) const { return device == other.device && inode == other.inode; }
    };

    // Follows symbolic links; a dangling link does not exist.
    static Status status(const QString& hostPath);

    static QByteArray readAll(const QString& hostPath);

    // Streams the file's bytes into the writer; how many there were.
    static qint64 copyInto(const QString& hostSource, AtomicWriter& writer);
};

}  // namespace files
