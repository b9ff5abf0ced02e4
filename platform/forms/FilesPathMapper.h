#pragma once
// The path mapper of real runs: Windows-style paths go through the files
// layer's drive table; a host path below a mapped drive's folder comes back as
// a path on that drive, any other host path as it is (the files layer takes
// paths without a drive letter as host paths).

#include "platform/forms/PathMapper.h"

namespace files { class FileSystem; }

namespace forms {

class FilesPathMapper : public PathMapper {
public:
    explicit FilesPathMapper(const files::FileSystem& files) : files_(files) {}

    // "" for a path that leads nowhere (no such drive, an empty path), so a
    // dialog simply opens in its usual place.
    QString toHost(const QString& windowsPath) const override;
    QString fromHost(const QString& hostPath) const override;

private:
    const files::FileSystem& files_;
};

}  // namespace forms
