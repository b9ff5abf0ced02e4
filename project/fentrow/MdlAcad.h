#pragma once
// What Fentrow's window works with for the life of the program: the
// environment, the connection to the CAD host and the last external reference
// it attached, and the standard-blocks root kept in "Fentrow.ini" beside the
// program. No widgets.

#include "shared/AcadConnection.h"

#include <QString>
#include <memory>

namespace cad { class Entity; }
namespace env { struct Environment; }

namespace fentrow {

class MdlAcad {
public:
    explicit MdlAcad(env::Environment& environment) : env(environment) {}
    MdlAcad(const MdlAcad&) = delete;
    MdlAcad& operator=(const MdlAcad&) = delete;

    // One copy of the browser at a time: a second one says that the first is
    // running and does not start. True for the copy that may run.
    bool firstCopy();

    // Attaches to the host; a failure is said and the browser carries on.
    bool AcadProj();

    // The current project folder: the host's template drawing path.
    QString projectFolder() const;

    // The standard-blocks root; empty when none was chosen. Raises when the
    // settings file is there but cannot be read.
    QString standardBlocksRoot() const;
    void setStandardBlocksRoot(const QString& folder);
    QString iniPath() const;

    env::Environment& env;
    suite::AcadConnection connection;
    std::shared_ptr<cad::Entity> xref;
};

}  // namespace fentrow
