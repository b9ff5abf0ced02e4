#pragma once
// A deliberate pass-over of a failing step. Where a routine means "this step
// may fail and the routine goes on all the same" (a clean-up on the way out,
// an optional nicety such as making a window float), it says so with this
// helper instead of an empty catch, so that every swallowed error is visible
// by name. Only numbered run-time errors are passed over; the program's end
// and faults of our own still go through.

#include "platform/runtime/Error.h"

#include <optional>
#include <utility>

namespace runtime {

// Runs the step; returns the error it raised, or nothing when it worked.
template <typename Step>
std::optional<Error> passOver(Step&& step)
{
    try {
        std::forward<Step>(step)();
    } catch (const Error& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace runtime
