// Feeds arbitrary command lines, as settings hand them to a program start, to
// the two readers of a command line: the file manager's folder comes out as
// a piece of the line, and a program found is one the locator accepted, with
// the argument text the end of the line.
#include "platform/runtime/Error.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/ExplorerCommand.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    if (const auto folder = shell::ExplorerCommand::folderOf(line)) {
        if (!line.contains(*folder))
            std::abort();
    }

    // Programs are the candidates that end in "e.exe", so that some lines
    // find one only at a shorter prefix.
    const auto locate = [](const QString& candidate) {
        return candidate.endsWith(QStringLiteral("e.exe"), Qt::CaseInsensitive) ? candidate : QString();
    };
    try {
        const shell::CommandLine command = shell::CommandLine::parse(line, locate);
        if (command.program.isEmpty() || !line.contains(command.programText))
            std::abort();
        if (!command.argumentText.isEmpty() && !line.trimmed().endsWith(command.argumentText.trimmed()))
            std::abort();
        (void)command.arguments();
    } catch (const runtime::Error& error) {
        if (error.number() != runtime::err::InvalidProcedureCall && error.number() != runtime::err::FileNotFound)
            std::abort();
    }
    return 0;
}
