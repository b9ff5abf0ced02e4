#pragma once
// A program start that asks for the desktop's file manager on a folder, as
// the programs write it: "explorer.exe /e, C:\Jobs\Site 12". The folder is
// everything after the switches, taken whole: blanks and commas belong to it
// (a folder "C:\Jobs, old\Site 12" stays one folder), and quotes around it
// are only quotes.

#include <QString>
#include <optional>

namespace shell {

class ExplorerCommand {
public:
    // The folder the line asks the file manager to show ("" for the file
    // manager's own starting place), or nothing when the line starts another
    // program. The program is "explorer" or "explorer.exe" in any case, with
    // or without a folder before it; the switches "/e," and "/n," (in any case,
    // any number) only choose how the folder is shown.
    static std::optional<QString> folderOf(const QString& commandLine);
};

}  // namespace shell
