#pragma once

#include <QString>

namespace shell {

// The suite's own link file: a small text file naming the target it stands for,
//   [Shortcut]
//   Target=<host path>
// The shell writes one into the Recent folder for each document it records,
// named after the document's file name with ".lnk" appended ("Tarvo.exe.lnk");
// links on the desktop and in the start menu are copies of it.
class ShortcutFile {
public:
    // The link's file name for a document path (separators "\" or "/"): the text
    // after the last separator and ".lnk"; "" when that text is empty.
    static QString linkNameFor(const QString& documentPath);

    // Writes the link whole or not at all; false when it cannot be written.
    static bool write(const QString& linkPath, const QString& target);

    // The target of a link of ours; "" for a missing file or any other content.
    static QString readTarget(const QString& linkPath);

    // What recording a recent document leaves: the link to hostTarget in the
    // Recent folder, named for documentPath. False when nothing was written.
    static bool writeRecentLink(const QString& recentFolder, const QString& documentPath,
                                const QString& hostTarget);
};

}  // namespace shell
