#pragma once
// What the launcher works with for its whole run: the environment, the
// connection to the CAD host that the drawing commands refresh each time they
// are chosen, and the four launcher settings, read afresh at every use so
// that a change saved in the settings form counts at once.

#include "shared/AcadConnection.h"

#include <QString>

namespace env { struct Environment; }

namespace tarvo {

// A launcher setting: its key and the value it has until one is saved.
struct SettingKey {
    QString name;
    QString defaultValue;
};

struct Session {
    // Application and section of the launcher's settings.
    static const QString Application;
    static const QString Section;
    static const SettingKey LeftDoubleClick;
    static const SettingKey MiddleDoubleClick;
    static const SettingKey Favorites;
    static const SettingKey SideBar;

    // The launcher ends when none of its windows is loaded any more.
    explicit Session(env::Environment& environment);

    env::Environment& env;
    suite::AcadConnection connection;

    QString setting(const SettingKey& key) const;
    void saveSetting(const SettingKey& key, const QString& value) const;

    // AcadProj, Tarvo's way: on failure "AutoCad Not Running" is shown and the
    // caller goes on with the connection it had.
    bool attach();

    // A file beside the launcher: its folder, "\" and the name.
    QString programFile(const QString& fileName) const;
    // The command line that starts a program file beside the launcher, quoted
    // so that a folder with blanks names that file and no other.
    QString programCommand(const QString& fileName) const;
};

}  // namespace tarvo
