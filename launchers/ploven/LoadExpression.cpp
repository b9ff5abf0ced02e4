#include "launchers/ploven/LoadExpression.h"

#include "launchers/ploven/LispFolder.h"

namespace ploven {

QString LoadExpression::lispString(const QString& text)
{
    QString literal = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': literal += QStringLiteral("\\\\"); break;
        case u'"': literal += QStringLiteral("\\\""); break;
        case u'\n': literal += QStringLiteral("\\n"); break;
        case u'\r': literal += QStringLiteral("\\r"); break;
        case u'\t': literal += QStringLiteral("\\t"); break;
        default: literal += c; break;
        }
    }
    return literal + u'"';
}

QString LoadExpression::build(const QString& location, const QString& fileName)
{
    return QStringLiteral("(load ") + lispString(LispFolder::folderOf(location) + fileName) + u')';
}

}  // namespace ploven
