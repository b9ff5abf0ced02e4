#include "platform/shell/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

namespace shell {

namespace {

constexpr char Group[] = "[Desktop Entry]";
constexpr qint64 MaxEntrySize = 64 * 1024;  // an entry is a few lines; anything larger is not ours

// A value of the entry's string type: a backslash is written doubled.
QString stringValue(const QString& text)
{
    QString value = text;
    return value.replace(u'\\', QStringLiteral("\\\\"));
}

QString unescapeString(const QString& value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar next = value[++i];
        text += next == u's' ? QChar(u' ') : next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t')
              : next == u'r' ? QChar(u'\r') : next;
    }
    return text;
}

// The program as one quoted argument of the Exec key: inside the quotes a
// double quote, a backquote, a dollar sign and a backslash are escaped, and a
// percent sign, which would start a field code, is doubled.
QString execArgument(const QString& program)
{
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    return u'"' + quoted + u'"';
}

QString unquoteExec(const QString& exec)
{
    if (exec.size() < 2 || !exec.startsWith(u'"') || !exec.endsWith(u'"'))
        return {};
    QString program;
    for (qsizetype i = 1; i + 1 < exec.size(); ++i) {
        if (exec[i] == u'\\' && i + 2 < exec.size())
            ++i;
        else if (exec[i] == u'%' && exec[i + 1] == u'%')
            ++i;
        program += exec[i];
    }
    return program;
}

}  // namespace

QString DesktopEntry::hostName(const QString& linkName)
{
    const QString stem = linkName.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive) ? linkName.chopped(4) : linkName;
    return stem + QStringLiteral(".desktop");
}

QString DesktopEntry::title(const QString& linkName)
{
    QString stem = linkName.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive) ? linkName.chopped(4) : linkName;
    if (stem.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) && stem.size() > 4)
        stem.chop(4);
    return stem;
}

QByteArray DesktopEntry::text(const QString& title, const QString& hostTarget, bool program)
{
    for (const QString& value : {title, hostTarget})
        if (value.contains(u'\n') || value.contains(u'\r'))
            return {};
    QString text = QString::fromLatin1(Group) + u'\n';
    text += QStringLiteral("Version=1.0\n");
    text += QStringLiteral("Name=") + stringValue(title) + u'\n';
    if (program) {
        text += QStringLiteral("Type=Application\n");
        text += QStringLiteral("Exec=") + stringValue(execArgument(hostTarget)) + u'\n';
        text += QStringLiteral("Path=") + stringValue(QFileInfo(hostTarget).path()) + u'\n';
        text += QStringLiteral("Icon=application-x-executable\n");
        text += QStringLiteral("Terminal=false\n");
    } else {
        text += QStringLiteral("Type=Link\n");
        text += QStringLiteral("URL=") + stringValue(QUrl::fromLocalFile(hostTarget).toString(QUrl::FullyEncoded))
                + u'\n';
    }
    return text.toUtf8();
}

bool DesktopEntry::write(const QString& hostPath, const QString& title, const QString& hostTarget, bool program)
{
    const QByteArray content = text(title, hostTarget, program);
    if (content.isEmpty())
        return false;
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size())
        return false;
    if (!file.commit())
        return false;
    // Runnable by whoever may read it.
    QFileDevice::Permissions bits = QFile::permissions(hostPath);
    if (bits & QFileDevice::ReadOwner)
        bits |= QFileDevice::ExeOwner;
    if (bits & QFileDevice::ReadGroup)
        bits |= QFileDevice::ExeGroup;
    if (bits & QFileDevice::ReadOther)
        bits |= QFileDevice::ExeOther;
    return QFile::setPermissions(hostPath, bits);
}

bool DesktopEntry::place(const QString& hostLinkPath, const QString& hostTarget, bool program)
{
    const QFileInfo link(hostLinkPath);
    if (hostTarget.isEmpty() || link.fileName().isEmpty() || !link.dir().exists())
        return false;
    return write(link.dir().filePath(hostName(link.fileName())), title(link.fileName()), hostTarget, program);
}

QString DesktopEntry::readTarget(const QString& hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxEntrySize)
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (lines.isEmpty() || lines.first() != QLatin1String(Group))
        return {};
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Exec=")))
            return unquoteExec(unescapeString(line.mid(5)));
        if (line.startsWith(QStringLiteral("URL=")))
            return QUrl(unescapeString(line.mid(4))).toLocalFile();
    }
    return {};
}

}  // namespace shell
