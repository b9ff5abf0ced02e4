#pragma once
// Reading and writing INI files through a FileSystem, as the Windows
// profile-string calls do (the rules are IniDocument's). A missing file
// behaves as an empty one: reads give the default, a write creates it. Writes
// keep the file's encoding and byte-order mark and replace the file
// atomically.

#include "platform/files/FileSystem.h"

#include <QList>
#include <QPair>
#include <QString>

namespace files {

class IniFile {
public:
    // The value, or the default when the file, the section or the key is
    // missing. Errors other than a missing file (a refused read, a missing
    // drive) are raised, not hidden behind the default.
    static QString getProfileString(const FileSystem& fs, const QString& file, const QString& section,
                                    const QString& key, const QString& defaultValue);

    // Every key of the section with its value, in file order.
    static QList<QPair<QString, QString>> getProfileSection(const FileSystem& fs, const QString& file,
                                                            const QString& section);

    static void writeProfileString(FileSystem& fs, const QString& file, const QString& section, const QString& key,
                                   const QString& value);
};

}  // namespace files
