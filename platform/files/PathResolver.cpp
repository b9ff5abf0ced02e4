#include "platform/files/PathResolver.h"

#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

#include <QDir>
#include <QFileInfo>

namespace files {

QStringList PathResolver::components(const QString& text)
{
    QStringList result;
    QString part;
    auto flush = [&] {
        if (part == QStringLiteral("..")) {
            if (!result.isEmpty())
                result.removeLast();
        } else if (!part.isEmpty() && part != QStringLiteral("."))
            result.append(part);
        part.clear();
    };
    for (QChar c : text) {
        if (WinPath::isSeparator(c))
            flush();
        else
            part.append(c);
    }
    flush();
    return result;
}

QString PathResolver::hostJoin(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString PathResolver::findEntry(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(hostJoin(folder, name)))
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

ResolvedPath PathResolver::resolve(const QString& path) const
{
    if (path.isEmpty() || path.contains(QChar(0)))
        runtime::raise(runtime::err::BadFileNameOrNumber);

    QString base;
    QStringList parts;
    if (WinPath::hasDrive(path)) {
        base = drives_.hostRoot(path);  // 68 when unmapped
        if (!QFileInfo(base).isDir())
            runtime::raise(runtime::err::DeviceUnavailable);
        QString rest = path.mid(2);
        if (rest.isEmpty() || !WinPath::isSeparator(rest[0]))
            rest = WinPath::join(drives_.currentFolder(path).mid(2), rest);
        parts = components(rest);
    } else {
        base = QStringLiteral("/");
        QString absolute = path;
        if (!WinPath::isSeparator(path[0]))
            absolute = QDir::currentPath() + u'/' + path;
        parts = components(absolute);
    }

    ResolvedPath result;
    result.name = parts.isEmpty() ? QString() : parts.last();
    QString current = base;
    qsizetype found = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // Only a folder reached so far can hold the next component.
        const bool canLook = found == i && (i == 0 || QFileInfo(current).isDir());
        const QString entry = canLook ? findEntry(current, parts[i]) : QString();
        if (entry.isNull()) {
            current = hostJoin(current, parts[i]);
        } else {
            current = hostJoin(current, entry);
            ++found;
        }
    }
    result.host = current;
    result.exists = found == parts.size();
    result.parentExists = !parts.isEmpty() && found >= parts.size() - 1
                          && QFileInfo(QFileInfo(current).path()).isDir();
    return result;
}

}  // namespace files
