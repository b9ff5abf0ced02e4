#include "platform/cad/hostapp/LispExpression.h"

#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

#include <optional>

namespace hostapp {

namespace {

// The tokens of one list: symbols and strings (decoded), with the list's
// own parentheses left out. Nothing when the expression is malformed.
struct Reader {
    const QString& text;
    qsizetype at = 0;

    void skipBlanks()
    {
        while (at < text.size() && text[at].isSpace())
            ++at;
    }

    // A string literal's content with the AutoLISP escapes resolved.
    std::optional<QString> string()
    {
        QString value;
        ++at;  // the opening quote
        while (at < text.size()) {
            const QChar c = text[at++];
            if (c == u'"')
                return value;
            if (c != u'\\') {
                value += c;
                continue;
            }
            if (at >= text.size())
                return std::nullopt;
            const QChar escaped = text[at++];
            switch (escaped.unicode()) {
            case u'n': value += u'\n'; break;
            case u'r': value += u'\r'; break;
            case u't': value += u'\t'; break;
            case u'e': value += QChar(27); break;
            default: value += escaped; break;
            }
        }
        return std::nullopt;
    }

    QString symbol()
    {
        const qsizetype start = at;
        while (at < text.size() && !text[at].isSpace() && text[at] != u'(' && text[at] != u')' && text[at] != u'"')
            ++at;
        return text.mid(start, at - start);
    }
};

const QString Malformed = QStringLiteral("; error: malformed list on input");

}  // namespace

QString LispExpression::findFile(const QString& name, const files::FileSystem& files, const QStringList& searchFolders)
{
    if (name.trimmed().isEmpty())
        return QString();
    const QString normal = files::WinPath::normalise(name);
    QStringList candidates{normal};
    if (files::WinPath::extension(normal).isEmpty())
        candidates.prepend(normal + QStringLiteral(".lsp"));
    const bool hasFolder = normal.contains(u'\\') || files::WinPath::hasDrive(normal);
    for (const QString& candidate : candidates) {
        if (hasFolder) {
            if (files.fileExists(candidate))
                return candidate;
            continue;
        }
        for (const QString& folder : searchFolders) {
            if (folder.trimmed().isEmpty())
                continue;
            const QString path = files::WinPath::join(folder.trimmed(), candidate);
            if (files.fileExists(path))
                return path;
        }
    }
    return QString();
}

QString LispExpression::evaluate(const QString& expression, const files::FileSystem& files,
                                 const QStringList& searchFolders)
{
    Reader in{expression};
    in.skipBlanks();
    if (in.at >= expression.size() || expression[in.at] != u'(')
        return Malformed;
    ++in.at;
    in.skipBlanks();
    const QString function = in.symbol();
    if (function.isEmpty())
        return Malformed;
    if (function.compare(QStringLiteral("load"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("; error: no function definition: %1").arg(function.toUpper());
    in.skipBlanks();
    if (in.at >= expression.size() || expression[in.at] != u'"')
        return QStringLiteral("; error: bad argument type: stringp nil");
    const std::optional<QString> name = in.string();
    if (!name)
        return Malformed;
    // A second argument (what to answer on failure) is accepted and not
    // evaluated; the list must still close.
    int depth = 1;
    bool inString = false;
    for (; in.at < expression.size() && depth > 0; ++in.at) {
        const QChar c = expression[in.at];
        if (inString) {
            if (c == u'\\')
                ++in.at;
            else if (c == u'"')
                inString = false;
        } else if (c == u'"') {
            inString = true;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        }
    }
    if (depth > 0)
        return Malformed;
    const QString found = findFile(*name, files, searchFolders);
    if (found.isEmpty())
        return QStringLiteral("; error: LOAD failed: \"%1\"").arg(*name);
    return QStringLiteral("Loading %1").arg(found);
}

}  // namespace hostapp
