#include "platform/shell/ShellFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace shell {

namespace {

QString relativePath(KnownFolder folder)
{
    switch (folder) {
    case KnownFolder::Desktop: return QStringLiteral("Desktop");
    case KnownFolder::Recent: return QStringLiteral("Recent");
    case KnownFolder::StartMenu: return QStringLiteral("Start Menu");
    case KnownFolder::Programs: return QStringLiteral("Start Menu/Programs");
    }
    return {};
}

}  // namespace

ShellFolders::ShellFolders(QString root) : root_(root.isEmpty() ? defaultRoot() : std::move(root)) {}

QString ShellFolders::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/tarvo/shell");
}

QString ShellFolders::path(KnownFolder folder) const
{
    const QString relative = relativePath(folder);
    if (relative.isEmpty())
        return {};
    const QString full = QDir(root_).filePath(relative);
    if (!QDir().mkpath(full))
        return {};
    // New groups under the start menu are made beside its programs group, and
    // take that folder as their template, so it must exist with the start menu.
    if (folder == KnownFolder::StartMenu && !QDir().mkpath(QDir(full).filePath(QStringLiteral("Programs"))))
        return {};
    return QDir::cleanPath(full);
}

}  // namespace shell
