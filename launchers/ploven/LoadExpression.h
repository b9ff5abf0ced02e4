#pragma once
// The AutoLISP expression that loads a file of the folder: (load "path"),
// the path written as an AutoLISP string so that AutoLISP reads back exactly
// the file's path, whatever the folder setting's spelling.

#include <QString>

namespace ploven {

class LoadExpression {
public:
    // (load "<folder><name>"), every backslash of the path doubled and quotes
    // and control characters escaped.
    static QString build(const QString& location, const QString& fileName);

    // The text as an AutoLISP string literal, quotes included.
    static QString lispString(const QString& text);
};

}  // namespace ploven
