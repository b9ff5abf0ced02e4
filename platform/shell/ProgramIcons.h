#pragma once
// The icons a program file shows, as the desktop would draw them on a button
// or in a list: a program of the suite shows its window icon (each program's
// own tile, drawn from its name); any other file the icon the desktop's theme
// gives its file type; a file the theme has nothing for a plain program icon.

#include <QIcon>
#include <QString>

namespace shell {

class ProgramIcons {
public:
    // The window icon of the suite's program of that name ("Mervane",
    // "mervane.exe" and "C:\Tarvo\MERVANE.EXE" alike): a coloured tile with the
    // name's initial. The same name gives the same image every time.
    static QIcon suiteIcon(const QString& programName);

    // The icon of an existing host file that is not one of the suite's
    // programs; a null icon for a missing file.
    static QIcon desktopIcon(const QString& hostPath);

    // A program icon for files the theme has none for.
    static QIcon plainIcon();

    // Program file names without folder and ".exe", folded for comparison.
    static QString programName(const QString& path);
};

}  // namespace shell
