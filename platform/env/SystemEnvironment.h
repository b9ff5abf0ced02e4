#pragma once
// The real services of a program run, built once in main(): Qt dialogs, the
// user's settings store and registry file, the standard drive table, the
// system shell and clock, and the running-host table, which reaches the
// user's host program across processes. main() stays a few lines: build this,
// build the main form, run().

#include "platform/env/Environment.h"

#include <QString>
#include <functional>
#include <memory>

namespace env {

class SystemEnvironment {
public:
    SystemEnvironment(int& argc, char** argv, const QString& title, int major = 1, int minor = 0,
                      int revision = 0);
    ~SystemEnvironment();
    SystemEnvironment(const SystemEnvironment&) = delete;
    SystemEnvironment& operator=(const SystemEnvironment&) = delete;

    Environment& env();

    // Runs the program's start (loading and showing its main form) through the
    // dispatcher, then the event loop unless the start already ended the
    // program. Returns the program's exit code.
    int run(const std::function<void()>& start);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace env
