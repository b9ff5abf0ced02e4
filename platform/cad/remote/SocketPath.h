#pragma once
// Where the host of a user listens: $TARVO_CAD_SOCKET when set, else
// $XDG_RUNTIME_DIR/tarvo/cad-host, else /tmp/tarvo-<uid>/cad-host; the folder
// is made private to the user (0700), and a folder another user could swap
// the socket in is refused. Also the D-Bus address of a socket path.

#include <QString>

namespace remote {

class SocketPath {
public:
    static QString resolve();
    // Creates the socket's folder (0700) when missing. False, with the reason,
    // when the folder is not a folder, or belongs to another user who could
    // replace the socket (a shared folder without the sticky bit).
    static bool prepareFolder(const QString& socketPath, QString* problem);
    // "unix:path=..." with the characters a D-Bus address escapes escaped.
    static QString address(const QString& socketPath);
};

}  // namespace remote
