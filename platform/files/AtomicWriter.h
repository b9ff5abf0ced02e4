#pragma once
// Writes a file so that it is either wholly replaced or left as it was: the
// bytes go to a hidden temporary file in the target's folder (the same file
// system, so the final rename is atomic), which is synced and then renamed over
// the target. A writer dropped before commit() removes its temporary file.

#include <QByteArray>
#include <QString>

#include <ctime>
#include <optional>
#include <sys/types.h>

namespace files {

class AtomicWriter {
public:
    // Creates the temporary file beside the host path; raises on failure.
    explicit AtomicWriter(const QString& hostTarget);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }

    // Appends the bytes of a host file from offset on, length of them (to the
    // file's end for -1), copied by the host without passing through the
    // program where it can. Returns how many were appended: fewer than asked
    // when the file ends first. Raises when the file cannot be read.
    qint64 copyFrom(const QString& hostSource, qint64 offset = 0, qint64 length = -1);

    // The new file can be run by whoever may read it (a program written out
    // by an installer): the execute bits follow the read bits the host's
    // umask left it.
    void makeExecutable();

    // Gives the new file the permission bits (when set; otherwise those the
    // host's umask allows) and the modification time (when set), then puts it
    // in the target's place. Raises on failure, leaving the target untouched.
    void commit(std::optional<mode_t> mode, std::optional<timespec> modified = std::nullopt);

private:
    void discard();

    QByteArray target_;
    QByteArray temporary_;
    int fd_ = -1;
};

}  // namespace files
