#pragma once
// Ploven's state for its one run: the environment, the connection to the CAD
// host taken when the main window loads, the folder whose AutoLISP files are
// listed (kept in the spelling the setting has) and the load expression sent
// last.

#include "shared/AcadConnection.h"

#include <QString>

namespace env { struct Environment; }

namespace ploven {

class Qel_Ploven;

class ModuleAlisp {
public:
    // The folder setting: application "Ploven", section "settings".
    static const QString Application;
    static const QString Section;
    static const QString LocationKey;
    // The folder when the setting is empty.
    static const QString DefaultLocation;

    // Ploven ends when none of its windows is loaded any more.
    explicit ModuleAlisp(env::Environment& env);

    env::Environment& env() const { return env_; }
    suite::AcadConnection& connection() { return conn_; }

    // The program's start: reads the folder, then shows the main window.
    void Main(Qel_Ploven& mainForm);

    // Attaches to the running host; a failure shows two warnings and ends.
    bool AcadProj();

    // Takes a new folder and stores it in the setting as it is spelled.
    void setLocation(const QString& location);

    QString Location;
    QString lastExpression;

private:
    env::Environment& env_;
    suite::AcadConnection conn_;
};

}  // namespace ploven
