#pragma once
// The folder text the folder and file list controls hold in their Path: a
// Windows-style path with "\" separators, an upper-case drive letter and no
// trailing "\" except at a drive's root ("P:\", "P:\Jobs"). A bare drive ("p:")
// stands for that drive's current folder.

#include <QString>

namespace files { class FileSystem; }

namespace forms {

class FolderPath {
public:
    // Raises 68 for a drive that is not there and 76 for a folder that is not.
    static QString existing(const files::FileSystem& files, const QString& path);

    // The text in the controls' form; nothing is checked on disk.
    static QString canonical(const QString& path);

    // The path of each folder from the drive's root down to the path itself:
    // "P:\Jobs\A" gives "P:\", "P:\Jobs", "P:\Jobs\A".
    static QStringList chain(const QString& canonicalPath);
};

}  // namespace forms
