#pragma once
// What Mervane's window works with for the life of the program: the
// environment and the connection to the CAD host. The connection is replaced
// at every attach, so every handler works on the drawing of the latest one.

#include "shared/AcadConnection.h"

#include <functional>

namespace env { struct Environment; }

namespace mervane {

struct Session {
    explicit Session(env::Environment& environment) : env(environment) {}

    env::Environment& env;
    suite::AcadConnection connection;

    // AcadProj, Mervane's way: on failure "AutoCad Not Running" is shown and
    // `unload` runs (the window's unload, which ends the program). True when
    // the host and its drawing were fetched.
    bool attach(const std::function<void()>& unload);
};

}  // namespace mervane
