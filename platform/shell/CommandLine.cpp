#include "platform/shell/CommandLine.h"

#include "platform/runtime/Error.h"

#include <QProcess>

#include <algorithm>

namespace shell {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool hasExtension(const QString& path)
{
    const qsizetype nameStart = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1;
    return path.indexOf(u'.', nameStart) >= 0;
}

// The program a candidate names, trying the ".exe" form for a bare name.
QString locateCandidate(const QString& candidate, const CommandLine::ProgramLocator& locate)
{
    if (candidate.isEmpty())
        return {};
    QString found = locate(candidate);
    if (found.isEmpty() && !hasExtension(candidate))
        found = locate(candidate + QStringLiteral(".exe"));
    return found;
}

QString leftTrimmed(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return text.mid(i);
}

QString rightTrimmed(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && isBlank(text[n - 1]))
        --n;
    return text.left(n);
}

}  // namespace

CommandLine CommandLine::parse(const QString& commandLine, const ProgramLocator& locate)
{
    const QString line = rightTrimmed(leftTrimmed(commandLine));
    if (line.isEmpty())
        runtime::raise(runtime::err::InvalidProcedureCall);

    CommandLine result;
    if (line.startsWith(u'"')) {
        // An unclosed quote runs to the end of the line.
        const qsizetype close = line.indexOf(u'"', 1);
        result.programText = close < 0 ? line.mid(1) : line.mid(1, close - 1);
        result.argumentText = close < 0 ? QString() : leftTrimmed(line.mid(close + 1));
        result.program = locateCandidate(result.programText, locate);
        if (result.program.isEmpty())
            runtime::raise(runtime::err::FileNotFound);
        return result;
    }

    // Prefix ends, longest first: the whole line, then before each run of blanks.
    QList<qsizetype> ends{line.size()};
    for (qsizetype i = line.size() - 1; i > 0; --i) {
        if (isBlank(line[i]) && !isBlank(line[i - 1]))
            ends.append(i);
    }
    for (qsizetype end : ends) {
        const QString candidate = line.left(end);
        const QString found = locateCandidate(candidate, locate);
        if (!found.isEmpty()) {
            result.programText = candidate;
            result.program = found;
            result.argumentText = leftTrimmed(line.mid(end));
            return result;
        }
    }
    runtime::raise(runtime::err::FileNotFound);
}

QStringList CommandLine::arguments() const { return QProcess::splitCommand(argumentText); }

}  // namespace shell
