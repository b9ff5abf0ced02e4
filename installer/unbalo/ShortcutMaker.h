#pragma once

#include "platform/shell/KnownFolder.h"

#include <QString>

namespace env { struct Environment; }

namespace unbalo {

// Desktop and start-menu links to an installed program, through the shell:
// the program is recorded as a recent document as before, and the link is
// put into the desktop folder or into a group folder of the start menu's
// programs group. The links are named after the program's file name with
// ".lnk" appended ("Tarvo.exe.lnk"); the shell writes each as the host's
// desktops take a link (see shell::DesktopEntry), so on this host the desktop
// shows it and the applications menu lists it. A special folder the shell
// does not give is skipped with its link. It keeps no state.
class ShortcutMaker {
public:
    explicit ShortcutMaker(env::Environment& env) : env_(env) {}

    // The folder's path; "" when the shell gives none.
    QString GetSpecialFolder(shell::KnownFolder folder);
    // The text after the last backslash; the whole text when there is none.
    static QString FileNameOf(const QString& path);

    // Raise 53 when the link cannot be made (the program is not there, the
    // folder cannot be written).
    void MakeDesktopShortcut(const QString& program);
    void MakeStartMenuShortcut(const QString& program, const QString& group);

private:
    void link(const QString& folder, const QString& program);

    env::Environment& env_;
};

}  // namespace unbalo
