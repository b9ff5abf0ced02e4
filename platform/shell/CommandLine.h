#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace shell {

// A program start's command line taken apart: which program it names and what
// follows it. A quoted first token is the program as it stands. An unquoted line
// may hold a path with blanks and no quotes ("c:\Program Files\x\draft.exe /p"),
// so each prefix that ends before a blank is tried, longest first, and the first
// that names a program wins. Longest first, because shortest first would let a
// stray "c:\Program.exe" capture every start of a program under "c:\Program Files".
// A candidate whose file name has no extension is also tried with ".exe".
struct CommandLine {
    // The host path of the program the candidate names, or empty when it names none.
    using ProgramLocator = std::function<QString(const QString& candidate)>;

    QString programText;   // the program as the line wrote it
    QString program;       // what the locator made of it
    QString argumentText;  // the rest of the line, leading blanks removed

    // Raises 5 for a line without any text and 53 when no candidate is a program.
    static CommandLine parse(const QString& commandLine, const ProgramLocator& locate);

    // The argument text split the way a shell would: blanks separate, double
    // quotes group.
    QStringList arguments() const;
};

}  // namespace shell
