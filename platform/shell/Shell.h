#pragma once

#include "platform/shell/KnownFolder.h"
#include "platform/shell/WindowStyle.h"

#include <QIcon>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace shell {

// What the programs ask of the desktop shell: starting programs, opening
// documents and folders, the help viewer, the user's special folders and recent
// documents, the clipboard, the pseudo-random sequence and plain waiting.
// Paths come as the programs write them (maybe "c:\..."); an implementation maps
// them to host paths through the resolver it was given.
class Shell {
public:
    // Maps a path as the programs write it to a host path. It may raise a
    // runtime::Error for a path it cannot map.
    using PathResolver = std::function<QString(const QString& path)>;

    virtual ~Shell() = default;

    // Starts the program the command line names and returns at once with its
    // task id; the program runs on independently. Raises 5 for an empty line or a
    // style outside WindowStyle, 53 when the line names no existing program.
    // A line that starts the file manager ("explorer.exe /e, C:\Jobs") shows
    // the folder as explore() does (see ExplorerCommand) and answers task id 0.
    virtual qint64 startProgram(const QString& commandLine, WindowStyle style) = 0;

    // The shell's default action on a path: a program starts, a document opens
    // in the application for its type, a folder in the file manager. Like the
    // call it stands in for it raises nothing; the answer says whether it worked.
    virtual bool openDocument(const QString& path) = 0;

    // Shows a folder in the file manager; an empty folder shows the file
    // manager's own starting place. Raises 76 when the folder does not exist.
    virtual void explore(const QString& folder) = 0;

    // Opens the suite's help file in the help viewer; false when it cannot.
    virtual bool showHelp(const QString& helpFile) = 0;

    // The icon of a program file, as a button that starts it shows it: a
    // program of the suite (one in the folder the suite's programs run from)
    // its window icon, any other existing file the desktop's icon for it or a
    // plain one, a missing file a null icon (see ProgramIcons). Raises nothing.
    virtual QIcon programIcon(const QString& path) = 0;

    // The special folder's host path, made on first use; "" when there is none.
    virtual QString knownFolder(KnownFolder folder) = 0;

    // Records a document as recently used: a link to it, named after its file
    // name with ".lnk" appended, appears in the Recent folder, replacing an older
    // one. A document that does not exist gets no link. Raises nothing.
    virtual void addRecentDocument(const QString& path) = 0;

    // Puts a link at linkPath (a folder and the link's name as the programs
    // give it, "...\Tarvo.exe.lnk") that starts the program or opens the
    // document at target, replacing a link of that name there. What a link is
    // on the host, and its name there, DesktopEntry says. A program named with
    // ".exe" whose host file carries none is found as startProgram() finds it.
    // False when the target does not exist, the folder is missing or the link
    // cannot be written; raises nothing.
    virtual bool makeLink(const QString& linkPath, const QString& target) = 0;

    // Raise 521 when there is no clipboard to reach.
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;

    // The next value of the one pseudo-random sequence, uniform in [0, 1).
    virtual double rnd() = 0;

    // Blocks the calling thread; no events are processed meanwhile.
    virtual void sleepMs(int milliseconds) = 0;
};

}  // namespace shell
