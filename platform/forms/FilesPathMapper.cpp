#include "platform/forms/FilesPathMapper.h"

#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/PassOver.h"

#include <QDir>
#include <QFileInfo>

namespace forms {

namespace {

const QString RootC = QStringLiteral("C:\\");

}  // namespace

QString FilesPathMapper::toHost(const QString& windowsPath) const
{
    // A path without a drive letter would be taken as a host path by the
    // files layer; to a dialog it leads nowhere.
    if (!files::WinPath::hasDrive(windowsPath) || !files_.driveTable().isMapped(windowsPath))
        return {};
    QString host;
    runtime::passOver([&] { host = files_.hostPath(windowsPath); });
    return host;
}

QString FilesPathMapper::fromHost(const QString& hostPath) const
{
    if (hostPath.isEmpty() || QDir::isRelativePath(hostPath))
        return {};
    const QString path = QDir::cleanPath(hostPath);
    const QString found = onDrive(path, false);
    if (!found.isEmpty())
        return found;
    // The same folder reached through a link: compared once more with every
    // link resolved on both sides.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QString() : onDrive(canonical, true);
}

QString FilesPathMapper::onDrive(const QString& cleanHostPath, bool canonicalRoots) const
{
    const files::DriveTable& drives = files_.driveTable();
    QString best;
    qsizetype bestLength = -1;
    for (QChar letter : drives.letters()) {
        QString root = drives.hostRoot(QString(letter));
        if (canonicalRoots) {
            root = QFileInfo(root).canonicalFilePath();
            if (root.isEmpty())
                continue;
        }
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        if ((cleanHostPath != root && !cleanHostPath.startsWith(prefix)) || root.size() <= bestLength)
            continue;
        bestLength = root.size();
        QString below = cleanHostPath == root ? QString() : cleanHostPath.mid(prefix.size());
        below.replace(u'/', u'\\');
        best = QString(letter) + QStringLiteral(":\\") + below;
    }
    return best;
}

QString FilesPathMapper::startFolder(const QString& windowsPath) const
{
    QString folder = windowsPath;
    if (!files::WinPath::hasDrive(folder) || !files_.driveExists(folder))
        folder = RootC;
    else if (folder.size() == 2)
        folder = files_.currentFolder(folder);  // a bare "P:" is the drive's current folder
    while (!folder.isEmpty() && !files_.folderExists(folder))
        folder = files::WinPath::parentFolder(folder);
    if (folder.isEmpty()) {
        if (!files_.folderExists(RootC))
            return {};
        folder = RootC;
    }
    return toHost(folder);
}

QStringList FilesPathMapper::drives() const
{
    QStringList names;
    for (QChar letter : files_.driveTable().letters())
        names.append(QString(letter) + u':');
    return names;
}

}  // namespace forms
