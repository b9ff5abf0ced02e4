#include "platform/files/DriveTable.h"

#include "platform/runtime/Error.h"

#include <QDir>

namespace files {

DriveTable DriveTable::standard()
{
    // The XDG rule: a relative $XDG_DATA_HOME is invalid and ignored.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    const QString root = dataHome + QStringLiteral("/tarvo/drives/c");
    // A folder that cannot be made leaves drive C unavailable (68 on use)
    // rather than stopping the program here.
    QDir().mkpath(root);

    DriveTable table;
    table.map(QStringLiteral("C"), root);
    return table;
}

QChar DriveTable::letterOf(const QString& letterOrPath)
{
    if (letterOrPath.isEmpty())
        return {};
    const QChar first = letterOrPath[0];
    if (first.unicode() >= 128 || !first.isLetter())
        return {};
    if (letterOrPath.size() > 1 && letterOrPath[1] != u':')
        return {};
    return first.toUpper();
}

void DriveTable::map(const QString& letter, const QString& hostFolder)
{
    const QChar key = letterOf(letter);
    if (key.isNull())
        runtime::raise(runtime::err::BadFileNameOrNumber);
    QString root = QDir::cleanPath(QDir(hostFolder).absolutePath());
    drives_[key] = Drive{root, QString(key) + QStringLiteral(":\\")};
}

bool DriveTable::isMapped(const QString& letterOrPath) const
{
    const QChar key = letterOf(letterOrPath);
    return !key.isNull() && drives_.contains(key);
}

const DriveTable::Drive& DriveTable::drive(const QString& letterOrPath) const
{
    const auto found = drives_.constFind(letterOf(letterOrPath));
    if (found == drives_.constEnd())
        runtime::raise(runtime::err::DeviceUnavailable);
    return found.value();
}

QString DriveTable::hostRoot(const QString& letterOrPath) const
{
    return drive(letterOrPath).hostRoot;
}

QList<QChar> DriveTable::letters() const
{
    return drives_.keys();
}

QString DriveTable::currentFolder(const QString& letterOrPath) const
{
    return drive(letterOrPath).currentFolder;
}

void DriveTable::setCurrentFolder(const QString& letterOrPath, const QString& folder)
{
    drive(letterOrPath);  // raises 68 for an unmapped letter
    drives_[letterOf(letterOrPath)].currentFolder = folder;
}

}  // namespace files
