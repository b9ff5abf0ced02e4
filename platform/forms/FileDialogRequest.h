#pragma once
// What a caller asks of an open or save file dialog: the fields the programs
// fill before showing one. Paths are Windows-style; the dialog maps them.

#include <QList>
#include <QString>

namespace forms {

struct FileFilter {
    QString label;    // as shown, e.g. "Executable Files" or " (*.exe)"
    QString pattern;  // e.g. "*.exe"; several separated by ";"
};

struct FileDialogRequest {
    // Flag values the programs pass; the others are accepted and ignored.
    static constexpr int OverwritePrompt = 0x2;
    static constexpr int HideReadOnly = 0x4;
    static constexpr int PathMustExist = 0x800;
    static constexpr int FileMustExist = 0x1000;

    QString title;
    QList<FileFilter> filters;
    int filterIndex = 1;  // 1-based, as the callers count
    QString initialFolder;
    QString initialFileName;
    QString defaultExtension;  // without the dot, e.g. "exe"
    int flags = 0;
};

}  // namespace forms
