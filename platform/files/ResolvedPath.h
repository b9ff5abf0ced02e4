#pragma once
// Where a Windows-style path lands on the host, and how much of it exists.

#include <QString>

namespace files {

struct ResolvedPath {
    // The host path: existing components in their spelling on disk, the rest
    // as given.
    QString host;
    // The last component as given; empty when the path names a root.
    QString name;
    // The whole path exists (as a file, a folder or anything else).
    bool exists = false;
    // The folder that holds (or would hold) the last component exists.
    bool parentExists = false;

    bool isRoot() const { return name.isEmpty(); }
};

}  // namespace files
