#pragma once
// Lunvik's state: the environment and the connection to the drawing active in
// the host at the latest attach, which happens at start and again before
// every selection.

#include "shared/AcadConnection.h"

namespace env { struct Environment; }

namespace lunvik {

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

}  // namespace lunvik
