#pragma once
// What the palette works with for its whole run: the environment, its error
// reporter (the suite's Abort/Retry/Ignore report) and the ten button
// settings, each a program path with the default it has until one is saved.

#include "shared/ReportError.h"

#include <QString>

namespace env { struct Environment; }

namespace fly {

struct Session {
    static constexpr int ButtonCount = 10;
    // Application and section of the palette's settings.
    static const QString Application;
    static const QString Section;

    // The palette ends when none of its windows is loaded any more.
    explicit Session(env::Environment& environment);

    env::Environment& env;
    suite::ReportError MdlError;

    // "GetPic0" to "GetPic9".
    static QString key(int button);
    static QString defaultPath(int button);
    QString programPath(int button) const;
    void saveProgramPath(int button, const QString& path) const;
};

}  // namespace fly
