#include "platform/cad/hostapp/CommandText.h"

namespace hostapp {

CommandText::Split CommandText::split(const QString& text)
{
    Split result;
    QString current;
    int depth = 0;
    bool inString = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inString) {
            current += c;
            if (c == u'\\' && i + 1 < text.size())
                current += text[++i];
            else if (c == u'"')
                inString = false;
            continue;
        }
        if (depth > 0) {
            current += c;
            if (c == u'"')
                inString = true;
            else if (c == u'(')
                ++depth;
            else if (c == u')')
                --depth;
            continue;
        }
        if (c == u'\r' || c == u'\n' || c == u' ') {
            // A CR LF pair is one Enter.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result.entries.append(current);
            current.clear();
            continue;
        }
        if (c == u'(')
            ++depth;
        current += c;
    }
    result.rest = current;
    return result;
}

}  // namespace hostapp
