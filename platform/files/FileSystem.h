#pragma once
// The programs' view of files: Windows-style paths on the drives of a
// DriveTable (or plain host paths), the file and folder operations the
// programs use, with the original runtime's error numbers, folder listings and
// the read-only attribute. One per program environment.
//
// Paths: "\" and "/" both separate; "C:\Jobs\a.dwg" goes through the drive
// table; a path without a drive letter is a host path. Existing names are found
// without regard to case (see PathResolver).
//
// Errors raised (runtime::Error): 52 bad file name (empty, NUL, a wildcard in a
// name to use), 53 file not found, 76 path not found (a missing folder on the
// way), 75 path/file access error (wrong kind of entry, read-only target,
// folder not empty or already there), 70 permission denied (refused by the
// host, or a copy onto a read-only file), 68 device unavailable (a drive that
// is not mapped or whose host folder is gone), 61 disk full, 58 file already
// exists (renaming onto another file).
//
// Text files are UTF-8 (read falls back to Latin-1, see TextEncoding); lines
// are written with CR LF.

#include "platform/files/DriveTable.h"
#include "platform/files/ResolvedPath.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

namespace files {

class AtomicWriter;
class HostFile;

class FileSystem {
public:
    explicit FileSystem(DriveTable drives);

    DriveTable& driveTable() { return drives_; }
    const DriveTable& driveTable() const { return drives_; }

    // The host path the Windows-style path stands for; it need not exist.
    QString hostPath(const QString& path) const;

    // What the file a path leads to is, so that two spellings of one file
    // (letter case, "." and "..", another drive mapped to the same folder, a
    // link) compare equal; empty when no file or folder is there. Never raises.
    QString identity(const QString& path) const;
    // The last component's name as the folder spells it on disk ("a101.DWG"
    // for "C:\Jobs\A101.dwg"); the name as given when there is no such entry
    // or the path cannot be resolved. Never raises.
    QString onDiskName(const QString& path) const;

    // These three answer false rather than raise, whatever is wrong.
    bool fileExists(const QString& path) const;
    bool folderExists(const QString& path) const;
    bool driveExists(const QString& letterOrPath) const;

    // The mapped drives as the drive list shows them: "c:", "p:", ...
    QStringList drives() const;

    // The drive's current folder ("C:\Jobs"); its root when that folder has
    // gone since. Raises 68 for a drive that is missing.
    QString currentFolder(const QString& drive) const;
    // Makes an existing folder the current folder of its drive (76 when it does
    // not exist, 68 for a path without a mapped drive). The folder is kept in
    // its spelling on disk.
    void setCurrentFolder(const QString& folder);

    // Overwrites an existing destination, but not a read-only one (70). The
    // copy gets the source's permission bits and modification time, as a copy
    // on the original system keeps the attributes and the time.
    void copyFile(const QString& source, const QString& destination);
    void deleteFile(const QString& path);
    // Also moves between folders and drives; only the case of a name may
    // change in place. An existing other destination gives 58.
    void renameFile(const QString& from, const QString& to);
    // One level: the parent must exist.
    void makeFolder(const QString& path);
    // An empty folder only.
    void removeFolder(const QString& path);

    QByteArray readAll(const QString& path) const;
    // Replaces the file whole or not at all (see AtomicWriter).
    void writeAll(const QString& path, const QByteArray& bytes);
    // A writer whose file takes the place of whatever stands at the path when
    // it is committed (see AtomicWriter), for files that are put in place
    // rather than edited: a link there is replaced, not written through, and
    // a read-only file is replaced like any other. Raises before anything is
    // written: 75 for a folder there (or a root), 76 for a missing folder.
    std::unique_ptr<AtomicWriter> replacement(const QString& path) const;

    QString readText(const QString& path) const;
    void writeText(const QString& path, const QString& text);
    QStringList readLines(const QString& path) const;
    void writeLines(const QString& path, const QStringList& lines);

    // Names (not paths) of the files or folders of a folder, alphabetical
    // without regard to case. Hidden entries are left out (see the .cpp).
    QStringList listFiles(const QString& folder, const QString& pattern = QStringLiteral("*")) const;
    QStringList listFolders(const QString& folder) const;

    // Files only: a folder never counts as read-only, and setting it raises 75.
    bool isReadOnly(const QString& path) const;
    void setReadOnly(const QString& path, bool readOnly);

    qint64 fileLength(const QString& path) const;
    QDateTime modified(const QString& path) const;

private:
    ResolvedPath resolve(const QString& path) const;
    // As resolve(), and 52 for a wildcard: a name to act on must be exact.
    ResolvedPath resolveName(const QString& path) const;
    // Raises 53 or 76 for a missing path.
    [[noreturn]] static void raiseMissing(const ResolvedPath& path);
    ResolvedPath existingFolder(const QString& folder) const;
    // Where a write to an existing entry lands: a symbolic link is written
    // through, so the link stays a link.
    static QString writeTarget(const QString& hostPath);

    DriveTable drives_;
};

}  // namespace files
