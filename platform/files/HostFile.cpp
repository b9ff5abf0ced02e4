#include "platform/files/HostFile.h"

#include "platform/files/AtomicWriter.h"
#include "platform/files/HostError.h"
#include "platform/runtime/Error.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(const QString& hostPath)
        : fd_(::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (fd_ < 0)
            HostError::raise(errno, runtime::err::FileNotFound);
    }
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // Reads up to size bytes; 0 at the end of the file.
    qint64 read(char* buffer, qint64 size)
    {
        for (;;) {
            const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(size));
            if (got >= 0)
                return got;
            if (errno != EINTR)
                HostError::raise(errno, runtime::err::FileNotFound);
        }
    }

private:
    int fd_;
};

constexpr qint64 chunkSize = 64 * 1024;

}  // namespace

HostFile::Status HostFile::status(const QString& hostPath)
{
    Status result;
    struct stat st {};
    if (::stat(QFile::encodeName(hostPath).constData(), &st) != 0)
        return result;
    result.exists = true;
    result.isFolder = S_ISDIR(st.st_mode);
    result.isFile = S_ISREG(st.st_mode);
    result.permissions = st.st_mode & 07777;
    result.size = st.st_size;
    result.modified = st.st_mtim;
    result.device = st.st_dev;
    result.inode = st.st_ino;
    return result;
}

QByteArray HostFile::readAll(const QString& hostPath)
{
    Descriptor file(hostPath);
    QByteArray bytes;
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    while (const qint64 got = file.read(buffer.data(), chunkSize))
        bytes.append(buffer.constData(), got);
    return bytes;
}

qint64 HostFile::copyInto(const QString& hostSource, AtomicWriter& writer)
{
    return writer.copyFrom(hostSource);
}

}  // namespace files
