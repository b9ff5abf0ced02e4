#pragma once
// What Pollent's windows and modules share for the life of the program: the
// environment, the connection to the CAD host, the option set, the attribute
// settings, the project folder, the host's single-document setting as read,
// and the run's cancel flag and archive folder.

#include "batch/pollent/AttributeSettings.h"
#include "batch/pollent/OptionSet.h"
#include "shared/AcadConnection.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace env { struct Environment; }
namespace cad { class Document; }
namespace suite { class ReportError; }

namespace pollent {

struct Session {
    explicit Session(env::Environment& environment) : env(environment) {}

    env::Environment& env;
    suite::AcadConnection connection;
    OptionSet options;
    AttributeSettings attributes;
    QString ProjectPath;
    // Empty until the host's "SDI" has been read: only a value read is ever
    // written back.
    std::optional<int16_t> SavedSdi;
    bool CancelRequested = false;
    QString ArchiveFolder;

    // AcadProj, Pollent's way: a failure goes to the report, which for a host
    // that is not running offers to start one.
    void attach(suite::ReportError& report);

    // The document of the connection; raises 91 when there is none, as a call
    // on an object variable that was never set does.
    cad::Document& document() const;
};

}  // namespace pollent
