#include "platform/shell/ShortcutFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace shell {

namespace {
constexpr char Header[] = "[Shortcut]";
constexpr char TargetKey[] = "Target=";
constexpr qint64 MaxLinkSize = 64 * 1024;  // a link is a few lines; anything larger is not ours
}  // namespace

QString ShortcutFile::linkNameFor(const QString& documentPath)
{
    const qsizetype cut = std::max(documentPath.lastIndexOf(u'\\'), documentPath.lastIndexOf(u'/'));
    const QString name = documentPath.mid(cut + 1);
    return name.isEmpty() ? QString() : name + QStringLiteral(".lnk");
}

bool ShortcutFile::write(const QString& linkPath, const QString& target)
{
    // A line break in the target would let it forge further lines.
    if (target.contains(u'\n') || target.contains(u'\r'))
        return false;
    QSaveFile file(linkPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content =
        QByteArray(Header) + '\n' + QByteArray(TargetKey) + target.toUtf8() + '\n';
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}

QString ShortcutFile::readTarget(const QString& linkPath)
{
    QFile file(linkPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxLinkSize)
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() < 2 || lines[0].trimmed() != Header)
        return {};
    const QByteArray& targetLine = lines[1];
    if (!targetLine.startsWith(TargetKey))
        return {};
    QByteArray target = targetLine.mid(qsizetype(sizeof(TargetKey) - 1));
    if (target.endsWith('\r'))
        target.chop(1);
    return QString::fromUtf8(target);
}

bool ShortcutFile::writeRecentLink(const QString& recentFolder, const QString& documentPath,
                                   const QString& hostTarget)
{
    const QString name = linkNameFor(documentPath);
    if (recentFolder.isEmpty() || name.isEmpty())
        return false;
    return write(QDir(recentFolder).filePath(name), hostTarget);
}

}  // namespace shell
