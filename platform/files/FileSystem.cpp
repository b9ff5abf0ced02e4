#include "platform/files/FileSystem.h"

#include "platform/files/AtomicWriter.h"
#include "platform/files/HostError.h"
#include "platform/files/HostFile.h"
#include "platform/files/PathResolver.h"
#include "platform/files/TextEncoding.h"
#include "platform/files/TextLines.h"
#include "platform/files/WinPath.h"
#include "platform/files/Wildcard.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/PassOver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

using namespace runtime::err;
constexpr int32_t FileAlreadyExists = 58;

QByteArray encoded(const QString& hostPath)
{
    return QFile::encodeName(hostPath);
}

void sortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;  // a fixed order for "A" and "a"
    });
}

// The host has no hidden attribute; by its own convention a name that starts
// with a dot is hidden, and such entries stay out of listings as hidden files
// stay out of the original's file lists.
QStringList visibleEntries(const QString& hostFolder, QDir::Filters kind)
{
    QStringList names;
    const QStringList all = QDir(hostFolder).entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    for (const QString& name : all)
        if (!name.startsWith(u'.'))
            names.append(name);
    return names;
}

}  // namespace

FileSystem::FileSystem(DriveTable drives) : drives_(std::move(drives)) {}

ResolvedPath FileSystem::resolve(const QString& path) const
{
    return PathResolver(drives_).resolve(path);
}

ResolvedPath FileSystem::resolveName(const QString& path) const
{
    if (Wildcard::hasWildcard(path))
        runtime::raise(BadFileNameOrNumber);
    return resolve(path);
}

void FileSystem::raiseMissing(const ResolvedPath& path)
{
    runtime::raise(path.parentExists ? FileNotFound : PathNotFound);
}

ResolvedPath FileSystem::existingFolder(const QString& folder) const
{
    const ResolvedPath r = resolve(folder);
    if (!r.exists || !HostFile::status(r.host).isFolder)
        runtime::raise(PathNotFound);
    return r;
}

QString FileSystem::writeTarget(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    return info.isSymLink() ? info.canonicalFilePath() : hostPath;
}

QString FileSystem::hostPath(const QString& path) const
{
    return resolve(path).host;
}

QString FileSystem::identity(const QString& path) const
{
    QString identity;
    runtime::passOver([&] {
        const ResolvedPath r = resolve(path);
        if (r.exists)
            identity = QFileInfo(r.host).canonicalFilePath();
    });
    return identity;
}

QString FileSystem::onDiskName(const QString& path) const
{
    QString name;
    runtime::passOver([&] { name = QFileInfo(resolve(path).host).fileName(); });
    return name.isEmpty() ? WinPath::fileName(path) : name;
}

bool FileSystem::fileExists(const QString& path) const
{
    try {
        const ResolvedPath r = resolve(path);
        return r.exists && HostFile::status(r.host).isFile;
    } catch (const runtime::Error&) {
        return false;
    }
}

bool FileSystem::folderExists(const QString& path) const
{
    try {
        const ResolvedPath r = resolve(path);
        return r.exists && HostFile::status(r.host).isFolder;
    } catch (const runtime::Error&) {
        return false;
    }
}

bool FileSystem::driveExists(const QString& letterOrPath) const
{
    return drives_.isMapped(letterOrPath) && HostFile::status(drives_.hostRoot(letterOrPath)).isFolder;
}

QStringList FileSystem::drives() const
{
    QStringList result;
    for (QChar letter : drives_.letters())
        result.append(QString(letter.toLower()) + u':');
    return result;
}

QString FileSystem::currentFolder(const QString& drive) const
{
    if (!driveExists(drive))
        runtime::raise(DeviceUnavailable);
    const QString folder = drives_.currentFolder(drive);
    if (folderExists(folder))
        return folder;
    return QString(DriveTable::letterOf(drive)) + QStringLiteral(":\\");
}

void FileSystem::setCurrentFolder(const QString& folder)
{
    if (!WinPath::hasDrive(folder))
        runtime::raise(DeviceUnavailable);
    const ResolvedPath r = existingFolder(folder);
    // The host path below the drive's root, in its spelling on disk.
    QString root = drives_.hostRoot(folder);
    if (!root.endsWith(u'/'))
        root += u'/';
    const QString below = (r.host + u'/').mid(root.size());
    QString text = QString(DriveTable::letterOf(folder)) + QStringLiteral(":\\") + WinPath::normalise(below);
    if (text.size() > 3 && text.endsWith(u'\\'))
        text.chop(1);
    drives_.setCurrentFolder(folder, text);
}

void FileSystem::copyFile(const QString& source, const QString& destination)
{
    const ResolvedPath from = resolveName(source);
    if (!from.exists)
        raiseMissing(from);
    const HostFile::Status fromStatus = HostFile::status(from.host);
    if (fromStatus.isFolder)
        runtime::raise(PathFileAccessError);

    const ResolvedPath to = resolveName(destination);
    QString target = to.host;
    if (to.isRoot())
        runtime::raise(PathFileAccessError);
    if (to.exists) {
        const HostFile::Status toStatus = HostFile::status(to.host);
        if (toStatus.isFolder)
            runtime::raise(PathFileAccessError);
        if (toStatus.isReadOnly())
            runtime::raise(PermissionDenied);
        target = writeTarget(to.host);
    } else if (!to.parentExists) {
        runtime::raise(PathNotFound);
    }

    AtomicWriter writer(target);
    HostFile::copyInto(from.host, writer);
    writer.commit(fromStatus.permissions, fromStatus.modified);
}

void FileSystem::deleteFile(const QString& path)
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        raiseMissing(r);
    const HostFile::Status status = HostFile::status(r.host);
    if (status.isFolder)
        runtime::raise(FileNotFound);  // deleting files never touches a folder
    if (status.isReadOnly())
        runtime::raise(PathFileAccessError);
    if (::unlink(encoded(r.host).constData()) != 0)
        HostError::raise(errno, FileNotFound);
}

void FileSystem::renameFile(const QString& from, const QString& to)
{
    const ResolvedPath source = resolveName(from);
    if (!source.exists)
        raiseMissing(source);
    const ResolvedPath target = resolveName(to);
    if (target.isRoot() || source.isRoot())
        runtime::raise(PathFileAccessError);
    QString targetHost = target.host;
    if (target.exists) {
        // The lookup found the source itself under another case: the rename
        // changes only the spelling, which is taken as given.
        if (!HostFile::status(target.host).sameAs(HostFile::status(source.host)))
            runtime::raise(FileAlreadyExists);
        targetHost = QFileInfo(target.host).path() + u'/' + target.name;
    } else if (!target.parentExists) {
        runtime::raise(PathNotFound);
    }

    if (::rename(encoded(source.host).constData(), encoded(targetHost).constData()) == 0)
        return;
    const int failure = errno;
    if (failure == EXDEV && HostFile::status(source.host).isFile) {
        // Drives mapped onto different host file systems: copy, then delete.
        const HostFile::Status status = HostFile::status(source.host);
        AtomicWriter writer(targetHost);
        HostFile::copyInto(source.host, writer);
        writer.commit(status.permissions, status.modified);
        if (::unlink(encoded(source.host).constData()) != 0)
            HostError::raise(errno, FileNotFound);
        return;
    }
    // EINVAL: a folder moved into itself.
    HostError::raise(failure == EINVAL ? EBUSY : failure, FileNotFound);
}

void FileSystem::makeFolder(const QString& path)
{
    const ResolvedPath r = resolveName(path);
    if (r.exists)
        runtime::raise(PathFileAccessError);
    if (!r.parentExists)
        runtime::raise(PathNotFound);
    if (::mkdir(encoded(r.host).constData(), 0777) != 0)
        HostError::raise(errno, PathNotFound);
}

void FileSystem::removeFolder(const QString& path)
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        runtime::raise(PathNotFound);
    if (r.isRoot() || !HostFile::status(r.host).isFolder)
        runtime::raise(PathFileAccessError);
    if (::rmdir(encoded(r.host).constData()) != 0)
        HostError::raise(errno, PathNotFound);
}

QByteArray FileSystem::readAll(const QString& path) const
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        raiseMissing(r);
    if (HostFile::status(r.host).isFolder)
        runtime::raise(PathFileAccessError);
    return HostFile::readAll(r.host);
}

void FileSystem::writeAll(const QString& path, const QByteArray& bytes)
{
    const ResolvedPath r = resolveName(path);
    if (r.isRoot())
        runtime::raise(PathFileAccessError);
    std::optional<mode_t> permissions;
    QString target = r.host;
    if (r.exists) {
        const HostFile::Status status = HostFile::status(r.host);
        if (status.isFolder || status.isReadOnly())
            runtime::raise(PathFileAccessError);
        permissions = status.permissions;  // the replaced file keeps its bits
        target = writeTarget(r.host);
    } else if (!r.parentExists) {
        runtime::raise(PathNotFound);
    }
    AtomicWriter writer(target);
    writer.write(bytes);
    writer.commit(permissions);
}

std::unique_ptr<AtomicWriter> FileSystem::replacement(const QString& path) const
{
    const ResolvedPath r = resolveName(path);
    if (r.isRoot())
        runtime::raise(PathFileAccessError);
    if (r.exists && HostFile::status(r.host).isFolder)
        runtime::raise(PathFileAccessError);
    if (!r.exists && !r.parentExists)
        runtime::raise(PathNotFound);
    // A dangling link does not exist to stat() but is replaced all the same:
    // the rename puts the new file where the link's name stands.
    return std::make_unique<AtomicWriter>(r.host);
}

QString FileSystem::readText(const QString& path) const
{
    return TextEncoding::decode(readAll(path)).text;
}

void FileSystem::writeText(const QString& path, const QString& text)
{
    writeAll(path, TextEncoding::encode(text));
}

QStringList FileSystem::readLines(const QString& path) const
{
    return TextLines::split(readText(path));
}

void FileSystem::writeLines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    writeText(path, text);
}

QStringList FileSystem::listFiles(const QString& folder, const QString& pattern) const
{
    const ResolvedPath r = existingFolder(folder);
    const Wildcard wildcard(pattern);
    QStringList names;
    for (const QString& name : visibleEntries(r.host, QDir::Files))
        if (wildcard.matches(name))
            names.append(name);
    sortNames(names);
    return names;
}

QStringList FileSystem::listFolders(const QString& folder) const
{
    const ResolvedPath r = existingFolder(folder);
    QStringList names = visibleEntries(r.host, QDir::Dirs);
    sortNames(names);
    return names;
}

bool FileSystem::isReadOnly(const QString& path) const
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        raiseMissing(r);
    const HostFile::Status status = HostFile::status(r.host);
    return !status.isFolder && status.isReadOnly();
}

void FileSystem::setReadOnly(const QString& path, bool readOnly)
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        raiseMissing(r);
    const HostFile::Status status = HostFile::status(r.host);
    // On the host a folder without write bits cannot take new files, which the
    // original's read-only folder attribute never meant; so it is not set here.
    if (status.isFolder)
        runtime::raise(PathFileAccessError);
    // Clearing the attribute gives the owner back the write bit; group and
    // others stay as they were.
    const mode_t bits = readOnly ? status.permissions & ~mode_t(0222) : status.permissions | S_IWUSR;
    if (::chmod(encoded(r.host).constData(), bits) != 0)
        HostError::raise(errno, FileNotFound);
}

qint64 FileSystem::fileLength(const QString& path) const
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        raiseMissing(r);
    const HostFile::Status status = HostFile::status(r.host);
    if (status.isFolder)
        runtime::raise(FileNotFound);
    return status.size;
}

QDateTime FileSystem::modified(const QString& path) const
{
    const ResolvedPath r = resolveName(path);
    if (!r.exists)
        raiseMissing(r);
    return QFileInfo(r.host).lastModified();
}

}  // namespace files
