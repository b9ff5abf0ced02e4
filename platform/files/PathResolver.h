#pragma once
// Turns a Windows-style path into a host path. "\" and "/" both separate; a
// drive letter goes through the drive table ("C:x" is relative to drive C's
// current folder); a path without a drive is a host path ("\" still separates,
// a relative one starts at the process's working folder, and a network path
// such as "\\server\share" has no host counterpart: it is taken as
// /server/share). "." and ".." are applied as text, and ".." never climbs above
// the drive's root, so a path cannot leave the folder its drive is mapped to.
// Each existing component is found without regard to case, since the programs
// spell names as they like and the host's file system is case-sensitive; a
// missing component keeps the spelling given.

#include "platform/files/DriveTable.h"
#include "platform/files/ResolvedPath.h"

#include <QStringList>

namespace files {

class PathResolver {
public:
    explicit PathResolver(const DriveTable& drives) : drives_(drives) {}

    // Raises 52 for an empty path or one holding a NUL, 68 for a drive that is
    // not mapped or whose host folder is gone.
    ResolvedPath resolve(const QString& path) const;

    // The entry of the folder that is the name regardless of case; the exact
    // spelling wins, else the least of the spellings in the case-sensitive
    // order of QString (capitals first), so a clash of two spellings always
    // gives the same answer whatever order the folder keeps. Null when there
    // is none.
    static QString findEntry(const QString& folder, const QString& name);

private:
    static QStringList components(const QString& text);
    static QString hostJoin(const QString& folder, const QString& name);

    const DriveTable& drives_;
};

}  // namespace files
