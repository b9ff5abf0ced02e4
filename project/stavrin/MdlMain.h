#pragma once
// What Stavrin works with for the life of the program: the environment, the
// connection to the CAD host, its error report, and the template folder: the
// one chosen with "&Setup", or else the host's template drawing path, which
// the project tool sets to the current project's template folder. No widgets.

#include "shared/AcadConnection.h"
#include "shared/ReportError.h"

#include <QString>
#include <QStringList>

namespace env { struct Environment; }

namespace stavrin {

class MdlMain {
public:
    explicit MdlMain(env::Environment& environment) : env(environment), report(environment) {}
    MdlMain(const MdlMain&) = delete;
    MdlMain& operator=(const MdlMain&) = delete;

    // Attaches to the host; a failure goes to the report.
    bool AcadProj();

    // The template folder in use, with its closing "\"; empty when neither a
    // folder is stored nor the host has a template path. Raises what the host
    // raises.
    QString templateFolder() const;
    // The folder stored by "&Setup", kept with one closing "\".
    void setLocation(const QString& folder);

    // The template names of a folder, in listing order: the plain files whose
    // names end in "DWT" or "dwt". A folder that is not there has none.
    QStringList templatesIn(const QString& folder) const;

    env::Environment& env;
    suite::AcadConnection connection;
    suite::ReportError report;
};

}  // namespace stavrin
