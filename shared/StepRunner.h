#pragma once
// Runs a procedure as a sequence of steps, so that the answers of an error
// report act on steps: Retry runs the failing step again, Ignore goes on with
// the step after it, and any other outcome leaves the procedure. A procedure can
// also switch to passing failing steps over silently, remembering the last error
// as the original runtime's error object did.

#include "platform/runtime/Error.h"

#include <functional>
#include <optional>

namespace suite {

// What the caller of a report does next.
enum class Resume {
    Leave,  // leave the failing procedure
    Retry,  // run the failing step again
    Next,   // go on with the step after the failing one
};

using Reporter = std::function<Resume(const runtime::Error&)>;

// Thrown by a step whose report said Leave; runProcedure() catches it.
struct LeaveProcedure {};

class StepRunner {
public:
    explicit StepRunner(Reporter reporter);

    // Runs one step under the procedure's error handling.
    void operator()(const std::function<void()>& step);

    // From now on a failing step is passed over without a report.
    void setSkipErrors(bool on) { skip_ = on; }

    // The last error passed over while skipping; cleared by clearError().
    const std::optional<runtime::Error>& lastError() const { return lastError_; }
    int32_t lastErrorNumber() const { return lastError_ ? lastError_->number() : 0; }
    void clearError() { lastError_.reset(); }

private:
    Reporter reporter_;
    bool skip_ = false;
    std::optional<runtime::Error> lastError_;
};

// Runs body with a fresh StepRunner; returns true when the body ran to its end,
// false when a report left the procedure.
bool runProcedure(const Reporter& reporter, const std::function<void(StepRunner&)>& body);

}  // namespace suite
