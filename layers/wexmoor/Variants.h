#pragma once
// How Wexmoor's copies of the suite modules behave: a failed attach goes to
// its error reporter under "AcadProj_Object" (429 there ends the program).

#include "shared/AcadProj.h"

namespace wexmoor {

inline const suite::AttachVariant AttachVariant{{}, 0, {}, suite::AttachVariant::Then::Report, "AcadProj_Object"};

}  // namespace wexmoor
