#pragma once
// What a program knows about itself: its title, the folder and file name of its
// executable, and its version. Files that live beside the program are reached
// through file().

#include <QString>

namespace runtime {

struct Program {
    QString title;
    QString path;  // folder of the executable, Windows-style or host path, no trailing separator
    QString exeName;
    int major = 0;
    int minor = 0;
    int revision = 0;

    // The folder, "\" and the name. A folder that does end in a separator (a
    // drive root such as "C:\") is not given a second one.
    QString file(const QString& name) const;

    // The program's own executable file: its folder and its file name as the
    // platform found them when the program started (a host program's name
    // carries no ".exe"; nothing is made up from the title).
    QString ownFile() const { return file(exeName); }
};

}  // namespace runtime
