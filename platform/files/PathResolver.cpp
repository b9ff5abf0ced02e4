#include "platform/files/PathResolver.h"

#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>

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

namespace {

// The length of a name in plain ASCII; -1 for one with any other character.
qsizetype asciiLength(const char* name)
{
    qsizetype length = 0;
    for (; name[length] != 0; ++length) {
        if (static_cast<unsigned char>(name[length]) >= 0x80)
            return -1;
    }
    return length;
}

}  // namespace

QString PathResolver::findEntry(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(hostJoin(folder, name)))
        return name;
    // A name that is not there yet (a copy about to be written) is looked for
    // in one pass over the folder's names: no entry is stat'ed and nothing is
    // sorted, since the folder may be a growing archive of thousands. A plain
    // ASCII name and entry compare as bytes, letter case aside, without
    // decoding the entry; any other pair compares as text.
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    const QByteArray wanted = QFile::encodeName(name);
    const qsizetype wantedAscii = asciiLength(wanted.constData());
    QString found;
    while (const dirent* entry = ::readdir(dir)) {
        const char* raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        QString spelling;
        const qsizetype entryAscii = wantedAscii < 0 ? -1 : asciiLength(raw);
        if (entryAscii >= 0) {
            if (entryAscii != wantedAscii || qstrnicmp(raw, wanted.constData(), wantedAscii) != 0)
                continue;
            spelling = QString::fromLatin1(raw, entryAscii);
        } else {
            spelling = QFile::decodeName(raw);
            if (spelling.compare(name, Qt::CaseInsensitive) != 0)
                continue;
        }
        if (found.isNull() || spelling < found)
            found = spelling;
    }
    ::closedir(dir);
    return found;
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
