#pragma once
// How Fly's copy of the suite's error reporter behaves: the common one,
// whose report of a missing host ends the program.

#include "shared/ReportError.h"

namespace fly {

inline const suite::ReportErrorVariant ReportErrorVariant{};

}  // namespace fly
