#include "platform/shell/ExplorerCommand.h"

#include <algorithm>

namespace shell {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

qsizetype skipBlanks(const QString& text, qsizetype i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

bool namesExplorer(const QString& program)
{
    const qsizetype nameStart = std::max(program.lastIndexOf(u'\\'), program.lastIndexOf(u'/')) + 1;
    const QString name = program.mid(nameStart);
    return name.compare(QStringLiteral("explorer"), Qt::CaseInsensitive) == 0
        || name.compare(QStringLiteral("explorer.exe"), Qt::CaseInsensitive) == 0;
}

// A switch of the two that only choose the view, with its comma.
qsizetype viewSwitchLength(const QString& text, qsizetype at)
{
    for (const QString& word : {QStringLiteral("/e,"), QStringLiteral("/n,")}) {
        if (text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0)
            return word.size();
    }
    return 0;
}

}  // namespace

std::optional<QString> ExplorerCommand::folderOf(const QString& commandLine)
{
    const QString line = commandLine;
    qsizetype i = skipBlanks(line, 0);
    QString program;
    if (i < line.size() && line[i] == u'"') {
        const qsizetype close = line.indexOf(u'"', i + 1);
        if (close < 0)
            return std::nullopt;
        program = line.mid(i + 1, close - i - 1);
        i = close + 1;
    } else {
        const qsizetype start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        program = line.mid(start, i - start);
    }
    if (!namesExplorer(program))
        return std::nullopt;
    // "explorer.exe/e,..." is another program's name, not explorer's switch.
    if (i < line.size() && !isBlank(line[i]))
        return std::nullopt;

    i = skipBlanks(line, i);
    for (qsizetype length = viewSwitchLength(line, i); length > 0; length = viewSwitchLength(line, i))
        i = skipBlanks(line, i + length);

    QString folder = line.mid(i);
    while (!folder.isEmpty() && isBlank(folder.back()))
        folder.chop(1);
    if (folder.size() >= 2 && folder.front() == u'"' && folder.back() == u'"')
        folder = folder.mid(1, folder.size() - 2);
    return folder;
}

}  // namespace shell
