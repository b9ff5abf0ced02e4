#include "platform/cad/remote/SocketPath.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace remote {

QString SocketPath::resolve()
{
    const QString given = qEnvironmentVariable("TARVO_CAD_SOCKET");
    if (!given.isEmpty())
        return given;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/tarvo/cad-host");
    return QStringLiteral("/tmp/tarvo-%1/cad-host").arg(::getuid());
}

bool SocketPath::prepareFolder(const QString& socketPath, QString* problem)
{
    const QString folder = QFileInfo(socketPath).absolutePath();
    // Each missing folder on the way is made private as it is made.
    QStringList missing;
    QString walk = folder;
    while (!walk.isEmpty() && !QFileInfo::exists(walk)) {
        missing.prepend(walk);
        const QString parent = QFileInfo(walk).path();
        if (parent == walk)
            break;
        walk = parent;
    }
    for (const QString& path : missing) {
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
            if (problem)
                *problem = QStringLiteral("cannot make the folder %1").arg(path);
            return false;
        }
    }
    struct stat status {};
    if (::lstat(QFile::encodeName(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        if (problem)
            *problem = QStringLiteral("%1 is not a folder").arg(folder);
        return false;
    }
    const bool othersMayWrite = (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (status.st_uid != ::getuid() && othersMayWrite && (status.st_mode & S_ISVTX) == 0) {
        if (problem)
            *problem = QStringLiteral("%1 belongs to another user and is open to others").arg(folder);
        return false;
    }
    if (status.st_uid != ::getuid() && status.st_uid != 0) {
        if (problem)
            *problem = QStringLiteral("%1 belongs to another user").arg(folder);
        return false;
    }
    return true;
}

QString SocketPath::address(const QString& socketPath)
{
    QString escaped;
    for (const char byte : QFile::encodeName(socketPath)) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           c == '-' || c == '_' || c == '/' || c == '.' || c == '\\' || c == '*';
        if (plain)
            escaped.append(QLatin1Char(char(c)));
        else
            escaped.append(QStringLiteral("%%1").arg(c, 2, 16, QLatin1Char('0')));
    }
    return QStringLiteral("unix:path=") + escaped;
}

}  // namespace remote
