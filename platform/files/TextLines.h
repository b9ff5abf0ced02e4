#pragma once
// Splits text into lines. CR LF ends a line, and so does a bare LF (files
// edited on the host) or a bare CR, as the original line reading did. A line
// ending at the very end of the text adds no empty line after it.

#include <QList>
#include <QString>
#include <QStringList>

namespace files {

class TextLines {
public:
    struct Line {
        QString text;
        QString ending;  // "\r\n", "\n", "\r", or empty for a last line without one
    };

    static QList<Line> splitKeepingEndings(const QString& text);
    static QStringList split(const QString& text);
};

}  // namespace files
