#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// A link as this host's desktops know one: a freedesktop desktop entry that
// the desktop shows as an icon and the applications menu as an entry, and
// that starts the program it stands for (or opens the document). The
// programs name links as the original shell does, after the target's file
// name with ".lnk" appended ("Tarvo.exe.lnk"); on the host the same link is
// the file with ".desktop" in place of ".lnk" ("Tarvo.exe.desktop"), the only
// name under which the desktops take a file for a link. The title under the
// icon is the name without ".lnk" and without a program's ".exe" ("Tarvo").
class DesktopEntry {
public:
    // The link's host file name for the name the programs give it.
    static QString hostName(const QString& linkName);
    // The title shown for the link.
    static QString title(const QString& linkName);

    // The entry's text: a program (an executable file) is started with no
    // arguments in its own folder; anything else is opened. Empty for a
    // target that cannot be written into an entry (a line break in it).
    static QByteArray text(const QString& title, const QString& hostTarget, bool program);

    // Writes the entry whole or not at all, replacing one there, and lets it
    // be run: desktops start only links whose file may be executed. False
    // when it cannot be written.
    static bool write(const QString& hostPath, const QString& title, const QString& hostTarget, bool program);

    // Puts the link the programs name by hostLinkPath (the host folder and
    // the name ending in ".lnk") in place as an entry under its host name,
    // titled after it. False for a path without a name, a missing folder or
    // an entry that cannot be written.
    static bool place(const QString& hostLinkPath, const QString& hostTarget, bool program);

    // What an entry written here starts or opens; "" for a missing file or
    // anything else.
    static QString readTarget(const QString& hostPath);
};

}  // namespace shell
