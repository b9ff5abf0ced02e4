#pragma once
// What Pemmit's window works with for the life of the program: the
// environment and the connection to the CAD host, replaced every second, so
// every handler works on the drawing the user works in now.

#include "shared/AcadConnection.h"

#include <functional>

namespace env { struct Environment; }

namespace pemmit {

struct Session {
    explicit Session(env::Environment& environment) : env(environment) {}

    env::Environment& env;
    suite::AcadConnection connection;

    // AcadProj, Pemmit's way: on failure "AutoCad Not Running" is shown and
    // `unload` runs. True when the host and its drawing were fetched.
    bool attach(const std::function<void()>& unload);
};

}  // namespace pemmit
