#pragma once
// Brindok's state: the environment and the connection to the drawing that was
// active in the host when the palette started, kept for the whole run.

#include "shared/AcadConnection.h"

namespace env { struct Environment; }

namespace brindok {

class MdlMain {
public:
    explicit MdlMain(env::Environment& env) : env_(env) {}

    env::Environment& env() const { return env_; }
    suite::AcadConnection& connection() { return conn_; }

    // Attaches once; a failure says so and ends the program.
    bool AcadProj();

private:
    env::Environment& env_;
    suite::AcadConnection conn_;
};

}  // namespace brindok
