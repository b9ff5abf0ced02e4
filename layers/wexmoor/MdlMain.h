#pragma once
// Wexmoor's state: the connection to the CAD host, the draw mode held for the
// run, the error reporter, and the two routines the window and the event
// class share: the attach and making a layer current.

#include "shared/AcadConnection.h"
#include "shared/ReportError.h"

#include <QString>

namespace env { struct Environment; }

namespace wexmoor {

class MdlMain {
public:
    // The program's settings: application "Cottrel", section "Settings".
    static const QString Application;
    static const QString Section;

    explicit MdlMain(env::Environment& env);

    env::Environment& env() const { return env_; }
    suite::AcadConnection& connection() { return conn_; }
    suite::ReportError& MdlError() { return reporter_; }

    // Attaches to the running host; failures go to the reporter under
    // "AcadProj_Object".
    bool AcadProj();

    // Makes the named layer (created with default properties when missing)
    // the active layer of the drawing active in the host at this moment. Any
    // failure (an empty or refused name, no drawing) changes nothing and says
    // nothing.
    void MakeLayerCurrent(const QString& name);

    // "Solid", "Solid2", "Solid3", "Center", "Phantom", "Dash" or "Other".
    QString drawMode;

private:
    env::Environment& env_;
    suite::AcadConnection conn_;
    suite::ReportError reporter_;
};

}  // namespace wexmoor
