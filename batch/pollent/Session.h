#pragma once
// What Pollent's windows and its batch run share for the life of the program:
// the environment, the connection to the CAD host and the host's
// single-document setting as read, the option set, the attribute settings,
// the project folder, and the run's cancel flag and archive folder. No
// widgets: every form is handed this state by reference.

#include "batch/pollent/AttributeSettings.h"
#include "batch/pollent/OptionSet.h"
#include "shared/AcadConnection.h"
#include "shared/SingleDocumentMode.h"

#include <QString>

namespace env { struct Environment; }
namespace suite { class ReportError; }

namespace pollent {

class Session {
public:
    explicit Session(env::Environment& environment) : env(environment) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    env::Environment& env;
    suite::AcadConnection connection;
    // "SDI" as the load read it (or the first run, when the load could not);
    // every way the program ends writes it back.
    suite::SingleDocumentMode singleDocument{connection};
    OptionSet options;
    AttributeSettings attributes;
    QString ProjectPath;
    bool CancelRequested = false;
    QString ArchiveFolder;

    // AcadProj, Pollent's way: a failure goes to the report, which for a host
    // that is not running offers to start one. True when the connection holds
    // a drawing of a running host afterwards, fetched now or by that start.
    bool attach(suite::ReportError& report);
};

}  // namespace pollent
