#include "platform/files/TextLines.h"

namespace files {

QList<TextLines::Line> TextLines::splitKeepingEndings(const QString& text)
{
    QList<Line> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        const qsizetype endingLength = (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
        lines.append(Line{text.mid(start, i - start), text.mid(i, endingLength)});
        i += endingLength;
        start = i;
    }
    if (start < text.size())
        lines.append(Line{text.mid(start), QString()});
    return lines;
}

QStringList TextLines::split(const QString& text)
{
    QStringList result;
    for (const Line& line : splitKeepingEndings(text))
        result.append(line.text);
    return result;
}

}  // namespace files
