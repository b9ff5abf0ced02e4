#pragma once
// Puts the current project's folder into the host's support search path, a
// list of folders separated by ";". The folder of the previous project is
// replaced where it stands, entry by entry; other entries, and folders that
// merely begin with the same text, stay as they are.

#include <QString>

namespace kandrel {

class SupportPath {
public:
    // Every entry that names the previous folder (without regard to letter
    // case or a trailing "\") becomes the project folder, in its place. When
    // none does (also on first use, with no previous folder), the project
    // folder is added at the end. Empty entries are kept as they are.
    static QString withProject(const QString& supportPath, const QString& previousFolder,
                               const QString& projectFolder);

    // Whether two entries name the same folder.
    static bool sameFolder(const QString& a, const QString& b);
};

}  // namespace kandrel
