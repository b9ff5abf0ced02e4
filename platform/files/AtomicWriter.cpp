#include "platform/files/AtomicWriter.h"

#include "platform/files/HostError.h"
#include "platform/runtime/Error.h"

#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

AtomicWriter::AtomicWriter(const QString& hostTarget) : target_(QFile::encodeName(hostTarget))
{
    const qsizetype slash = target_.lastIndexOf('/');
    const QByteArray folder = target_.left(slash + 1);
    // Cut so that a long target name cannot make the temporary name too long.
    const QByteArray name = target_.mid(slash + 1).left(100);
    // The leading dot keeps the temporary file out of folder listings.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate(), 16);
        temporary_ = folder + '.' + name + '.' + suffix + ".tmp";
        // Mode 0666 lets the host's umask decide, as for any new file.
        fd_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            return;
        if (errno != EEXIST)
            HostError::raise(errno, runtime::err::PathNotFound);
    }
    runtime::raise(runtime::err::PathFileAccessError);
}

AtomicWriter::~AtomicWriter()
{
    discard();
}

void AtomicWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
}

void AtomicWriter::write(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            HostError::raise(errno, runtime::err::PathNotFound);
        }
        data += written;
        size -= written;
    }
}

qint64 AtomicWriter::copyFrom(const QString& hostSource, qint64 offset, qint64 length)
{
    const int source = ::open(QFile::encodeName(hostSource).constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        HostError::raise(errno, runtime::err::FileNotFound);
    const auto closeSource = qScopeGuard([source] { ::close(source); });
    qint64 copied = 0;
    const auto wanted = [&] { return length < 0 ? qint64(1) << 30 : std::min(length - copied, qint64(1) << 30); };
    // The host copies between the two files itself; a file system that
    // cannot (or an older host) is copied through a buffer instead.
    bool inKernel = true;
    while (length < 0 || copied < length) {
        loff_t from = offset + copied;
        const ssize_t got = inKernel ? ::copy_file_range(source, &from, fd_, nullptr, size_t(wanted()), 0) : -1;
        if (got == 0)
            return copied;
        if (got > 0) {
            copied += got;
            continue;
        }
        if (inKernel && errno == EINTR)
            continue;
        if (inKernel && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            inKernel = false;
            break;
        }
        HostError::raise(errno, runtime::err::FileNotFound);
    }
    if (inKernel)
        return copied;
    constexpr qint64 chunk = 1 << 20;
    QByteArray buffer(chunk, Qt::Uninitialized);
    while (length < 0 || copied < length) {
        const qint64 want = length < 0 ? chunk : std::min(chunk, length - copied);
        const ssize_t got = ::pread(source, buffer.data(), size_t(want), offset + copied);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            HostError::raise(errno, runtime::err::FileNotFound);
        if (got == 0)
            break;
        write(buffer.constData(), got);
        copied += got;
    }
    return copied;
}

void AtomicWriter::makeExecutable()
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        HostError::raise(errno, runtime::err::PathNotFound);
    const mode_t bits = st.st_mode & 0777;
    if (::fchmod(fd_, bits | ((bits & 0444) >> 2)) != 0)
        HostError::raise(errno, runtime::err::PathNotFound);
}

void AtomicWriter::commit(std::optional<mode_t> mode, std::optional<timespec> modified)
{
    if (mode && ::fchmod(fd_, *mode) != 0)
        HostError::raise(errno, runtime::err::PathNotFound);
    if (modified) {
        const timespec times[2] = {{0, UTIME_OMIT}, *modified};
        if (::futimens(fd_, times) != 0)
            HostError::raise(errno, runtime::err::PathNotFound);
    }
    // Synced before the rename, so a crash cannot leave an empty file under the
    // target's name.
    if (::fsync(fd_) != 0)
        HostError::raise(errno, runtime::err::PathNotFound);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        HostError::raise(errno, runtime::err::PathNotFound);
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        HostError::raise(errno, runtime::err::PathNotFound);
    temporary_.clear();
}

}  // namespace files
