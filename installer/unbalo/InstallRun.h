#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace files { class FileSystem; }

namespace unbalo {

class ArchiveSource;
class ProgressDisplay;
struct ArchiveIndex;

// What an install wrote: the install directory as used (with its closing
// separator) and the names of the items written and of those that could not
// be, lower-cased as on disk.
struct InstallReport {
    QString directory;
    QStringList written;
    QStringList failed;

    bool complete() const { return failed.isEmpty(); }
    // Whether the program of that file name ("Tarvo.exe") is among the items
    // that failed, by its name or, where programs carry no extension, by its
    // name without ".exe".
    bool failedProgram(const QString& fileName) const;
};

// Writes the items of a checked archive into the install directory, from the
// last record to the first, so that of two items of one name the one nearer
// the top of the packed list is left on disk. Each item is written to a new
// file that then takes the place of whatever stood at its name (a read-only
// file or a link is replaced, not written through), so no file is ever left
// half written; a program is made executable. An item goes from the
// installer's file into its own without passing through memory where the
// host can copy between them. An item that cannot be written is passed over
// and named in the report.
class InstallRun {
public:
    InstallRun(files::FileSystem& files, ProgressDisplay& display);

    // The directory the text names, with a closing "\" added where it has
    // none; "" when the text names none (empty or blanks only).
    static QString installDirectory(const QString& text);

    // Makes the directory and every missing folder above it. Raises the
    // host's error for one that cannot be made.
    void makeDirectory(const QString& directory);

    // A program the host runs: an executable or a script.
    static bool isProgram(const QByteArray& content);

    InstallReport extract(const ArchiveSource& source, const ArchiveIndex& index, const QString& directory);

private:
    files::FileSystem& files_;
    ProgressDisplay& display_;
};

}  // namespace unbalo
