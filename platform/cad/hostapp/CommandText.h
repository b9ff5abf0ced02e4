#pragma once
// How text reaches the host's command line: each Enter, line break or blank
// ends an entry (a command name, a point, an empty answer), except inside an
// AutoLISP expression, whose blanks and strings belong to it. What follows the
// last Enter stays typed in the input line, not yet entered.

#include <QString>
#include <QStringList>

namespace hostapp {

class CommandText {
public:
    struct Split {
        QStringList entries;
        QString rest;
    };

    static Split split(const QString& text);
};

}  // namespace hostapp
