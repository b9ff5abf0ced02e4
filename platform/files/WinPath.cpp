#include "platform/files/WinPath.h"

namespace files {

bool WinPath::hasDrive(const QString& path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].unicode() < 128 && path[0].isLetter();
}

QString WinPath::join(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    const bool folderEnds = isSeparator(folder.back());
    const bool nameStarts = !name.isEmpty() && isSeparator(name.front());
    if (folderEnds && nameStarts)
        return folder + name.mid(1);
    if (folderEnds || nameStarts)
        return folder + name;
    return folder + u'\\' + name;
}

qsizetype WinPath::lastSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]))
            return i;
    return -1;
}

QString WinPath::parentFolder(const QString& path)
{
    QString trimmed = path;
    // A trailing separator names the same folder ("C:\Jobs\" is "C:\Jobs").
    const qsizetype rootLength = hasDrive(path) ? 3 : 1;
    while (trimmed.size() > rootLength && isSeparator(trimmed.back()))
        trimmed.chop(1);

    const qsizetype sep = lastSeparator(trimmed);
    if (sep < 0) {
        // "C:a.dwg" is a name relative to drive C's current folder: its parent
        // is that drive as written.
        return hasDrive(trimmed) && trimmed.size() > 2 ? trimmed.left(2) : QString();
    }
    if (sep == trimmed.size() - 1)
        return QString();  // a root
    if (hasDrive(trimmed) && sep == 2)
        return trimmed.left(3);
    if (sep == 0)
        return trimmed.left(1);
    return trimmed.left(sep);
}

QString WinPath::fileName(const QString& path)
{
    const qsizetype sep = lastSeparator(path);
    if (sep >= 0)
        return path.mid(sep + 1);
    return hasDrive(path) ? path.mid(2) : path;
}

qsizetype WinPath::extensionDot(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? dot : -1;
}

QString WinPath::baseName(const QString& path)
{
    const QString name = fileName(path);
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.left(dot);
}

QString WinPath::extension(const QString& path)
{
    const QString name = fileName(path);
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString WinPath::normalise(const QString& path)
{
    QString result = path;
    result.replace(u'/', u'\\');
    return result;
}

}  // namespace files
