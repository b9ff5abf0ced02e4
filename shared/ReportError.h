#pragma once
// The suite's Abort/Retry/Ignore error reporter: plain words for registry and
// memory errors, its own report for "CAD host not running" (429), and a
// question for everything else whose answer acts on the failing step.

#include "shared/StepRunner.h"

#include <QString>
#include <functional>

namespace env { struct Environment; }

namespace suite {

struct AcadConnection;

// The differences between the programs' copies of the reporter.
struct ReportErrorVariant {
    // The batch processor's copy lets the registry numbers 1009 and 1015 take
    // the general case instead of the "corrupt registry" box.
    bool registryCorruptBox = true;
    // On 429, offer to start the host instead of ending; a new instance is
    // attached into this connection.
    AcadConnection* startHostInto = nullptr;
    // Runs before the general question (the batch processor hides its run
    // window and shows its main window).
    std::function<void()> beforeQuestion;
};

class ReportError {
public:
    ReportError(env::Environment& env, ReportErrorVariant variant = {});

    // Reports the error for the named procedure. Abort and the 429 report's end
    // throw runtime::ProgramEnd; the rest tell the caller how to go on.
    Resume report(const QString& location, const runtime::Error& error);

    // A reporter for a StepRunner of the named procedure.
    Reporter at(const QString& location);

    // What the 429 report says after "Yes" when no host could be started.
    static const QString HostNotStarted;

    // The text of the general question.
    static QString questionText(const QString& location, const runtime::Error& error);

private:
    Resume hostNotRunning(const runtime::Error& error);

    env::Environment& env_;
    ReportErrorVariant variant_;
};

}  // namespace suite
