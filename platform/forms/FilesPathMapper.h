#pragma once
// The path mapper of real runs, over the files layer's drive table: a Windows
// path goes to its drive's host folder, a host path below a mapped drive's
// folder comes back as a path on that drive (the deepest drive wins when one
// drive's folder lies inside another's), and any other host path has no
// Windows path at all.

#include "platform/forms/PathMapper.h"

namespace files { class FileSystem; }

namespace forms {

class FilesPathMapper : public PathMapper {
public:
    explicit FilesPathMapper(const files::FileSystem& files) : files_(files) {}

    QString toHost(const QString& windowsPath) const override;
    QString fromHost(const QString& hostPath) const override;
    QString startFolder(const QString& windowsPath) const override;
    QStringList drives() const override;

private:
    // fromHost on the path as written, without resolving links.
    QString onDrive(const QString& cleanHostPath, bool canonicalRoots) const;

    const files::FileSystem& files_;
};

}  // namespace forms
