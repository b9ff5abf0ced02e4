#include "platform/forms/FolderPath.h"

#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

#include <QStringList>

namespace forms {

QString FolderPath::canonical(const QString& path)
{
    QString text = files::WinPath::normalise(path);
    qsizetype keep = 1;
    if (files::WinPath::hasDrive(text)) {
        text[0] = text[0].toUpper();
        if (text.size() == 2)
            text += u'\\';
        keep = 3;
    }
    while (text.size() > keep && text.endsWith(u'\\'))
        text.chop(1);
    return text;
}

QString FolderPath::existing(const files::FileSystem& files, const QString& path)
{
    if (files::WinPath::hasDrive(path)) {
        if (!files.driveExists(path))
            runtime::raise(runtime::err::DeviceUnavailable);
        if (path.size() == 2)
            return canonical(files.currentFolder(path));
    }
    if (path.isEmpty() || !files.folderExists(path))
        runtime::raise(runtime::err::PathNotFound);
    return canonical(path);
}

QStringList FolderPath::chain(const QString& canonicalPath)
{
    QStringList result;
    for (QString folder = canonicalPath; !folder.isEmpty(); folder = files::WinPath::parentFolder(folder))
        result.prepend(folder);
    return result;
}

}  // namespace forms
