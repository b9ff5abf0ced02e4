#include "platform/shell/HelpDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace shell {

bool HelpDocument::isHelpFile(const QString& path)
{
    return path.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive);
}

QString HelpDocument::viewableCopy(const QString& hostPath, const QString& folder)
{
    const QFileInfo help(hostPath);
    if (!help.isFile() || folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    const QString copy = QDir(folder).filePath(help.completeBaseName() + QStringLiteral(".html"));
    QFile source(hostPath);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = source.readAll();
    QFile existing(copy);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return copy;
    existing.close();
    // A browser that has the copy open never sees half of it.
    QSaveFile target(copy);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() || !target.commit())
        return {};
    return copy;
}

}  // namespace shell
