#pragma once
// Sections' state: the environment and the connection to the drawing active
// in the host at the latest tick of the window's timer, which the marker is
// drawn into.

#include "shared/AcadConnection.h"

namespace env { struct Environment; }

namespace sections {

class MdlMain {
public:
    explicit MdlMain(env::Environment& env) : env_(env) {}

    env::Environment& env() const { return env_; }
    suite::AcadConnection& connection() { return conn_; }

    // Attaches to the running host; a failure says so and ends the program.
    bool AcadProj();

private:
    env::Environment& env_;
    suite::AcadConnection conn_;
};

}  // namespace sections
