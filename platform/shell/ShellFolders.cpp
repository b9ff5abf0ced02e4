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

ShellFolders::ShellFolders(QString root, Layout layout)
    : root_(root.isEmpty() ? defaultRoot() : std::move(root)), layout_(layout)
{
}

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
    QString full = QDir(root_).filePath(relative);
    if (layout_ == Layout::UserDesktop && folder == KnownFolder::Desktop)
        full = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // The applications menu lists the entries of this folder and of the
    // folders in it, so a group made here is a group of the menu's entries.
    if (layout_ == Layout::UserDesktop && folder == KnownFolder::Programs)
        full = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    if (full.isEmpty())
        return {};
    if (!QDir().mkpath(full))
        return {};
    // New groups under the start menu are made beside its programs group, and
    // take that folder as their template, so it must exist with the start menu.
    if (folder == KnownFolder::StartMenu && !QDir().mkpath(QDir(full).filePath(QStringLiteral("Programs"))))
        return {};
    return QDir::cleanPath(full);
}

}  // namespace shell
