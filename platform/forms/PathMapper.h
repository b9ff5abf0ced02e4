#pragma once
// Turns the Windows-style paths the programs use into host paths that a Qt
// dialog can show, and the host path the user picked back again. The programs
// know only their drives, so a host path outside every mapped drive has no
// Windows path: it is never handed back to them.

#include <QString>
#include <QStringList>

namespace forms {

class PathMapper {
public:
    virtual ~PathMapper() = default;

    // The host path of a Windows path; "" for one that leads nowhere (no such
    // drive, no drive letter, an empty path).
    virtual QString toHost(const QString& windowsPath) const = 0;
    // The Windows path of a host path on a mapped drive; "" for one outside
    // every mapped drive.
    virtual QString fromHost(const QString& hostPath) const = 0;

    // The host folder a dialog opens in for the Windows path it is given: the
    // folder itself, or the nearest folder above it that is there (so a file's
    // path opens its folder). Drive C:'s root for an empty path, a path on no
    // mapped drive or one whose drive folder has gone; "" when C: is missing
    // too.
    virtual QString startFolder(const QString& windowsPath) const = 0;

    // The mapped drives as the user names them: "C:", "P:".
    virtual QStringList drives() const = 0;
};

}  // namespace forms
