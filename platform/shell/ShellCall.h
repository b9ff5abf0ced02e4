#pragma once

#include <QString>
#include <QtGlobal>
#include <iosfwd>

namespace shell {

// One call a RecordingShell received, with the arguments that matter to a test.
struct ShellCall {
    enum class Kind {
        StartProgram,       // text: command line, number: window style
        OpenDocument,       // text: path
        Explore,            // text: folder
        ShowHelp,           // text: help file
        ProgramIcon,        // text: program path
        KnownFolder,      // number: the folder's number
        AddRecentDocument,  // text: path
        MakeLink,           // text: link path, " -> ", target
        ClearClipboard,
        SetClipboardText,   // text: the text
        ClipboardText,      // text: the text answered
        Rnd,
        Sleep,              // number: milliseconds
    };

    Kind kind;
    QString text;
    qint64 number = 0;

    bool operator==(const ShellCall&) const = default;
};

const char* kindName(ShellCall::Kind kind);

// Readable test failure messages.
std::ostream& operator<<(std::ostream& out, const ShellCall& call);

}  // namespace shell
