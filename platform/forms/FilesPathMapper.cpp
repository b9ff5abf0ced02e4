#include "platform/forms/FilesPathMapper.h"

#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <QDir>

namespace forms {

QString FilesPathMapper::toHost(const QString& windowsPath) const
{
    if (windowsPath.isEmpty())
        return {};
    try {
        return files_.hostPath(windowsPath);
    } catch (const runtime::Error&) {
        return {};
    }
}

QString FilesPathMapper::fromHost(const QString& hostPath) const
{
    if (hostPath.isEmpty())
        return {};
    const QString path = QDir::cleanPath(hostPath);
    const files::DriveTable& drives = files_.driveTable();
    // The deepest mapped folder wins when one drive's folder lies inside another's.
    QString best;
    QString bestRoot;
    for (QChar letter : drives.letters()) {
        const QString root = drives.hostRoot(QString(letter));
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        if ((path == root || path.startsWith(prefix)) && root.size() > bestRoot.size()) {
            bestRoot = root;
            QString below = path == root ? QString() : path.mid(prefix.size());
            below.replace(u'/', u'\\');
            best = QString(letter) + QStringLiteral(":\\") + below;
        }
    }
    return best.isEmpty() ? hostPath : best;
}

}  // namespace forms
