#include "shared/StepRunner.h"

namespace suite {

StepRunner::StepRunner(Reporter reporter) : reporter_(std::move(reporter)) {}

void StepRunner::operator()(const std::function<void()>& step)
{
    for (;;) {
        try {
            step();
            return;
        } catch (const runtime::Error& e) {
            if (skip_) {
                lastError_ = e;
                return;
            }
            switch (reporter_ ? reporter_(e) : Resume::Leave) {
            case Resume::Retry:
                continue;
            case Resume::Next:
                return;
            case Resume::Leave:
                throw LeaveProcedure{};
            }
        }
    }
}

bool runProcedure(const Reporter& reporter, const std::function<void(StepRunner&)>& body)
{
    StepRunner steps(reporter);
    try {
        body(steps);
        return true;
    } catch (const LeaveProcedure&) {
        return false;
    }
}

}  // namespace suite
