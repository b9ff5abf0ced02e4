#pragma once
// How Stavrin's attach behaves: a failure goes to the Abort/Retry/Ignore
// report under the location "Location Of Error"; a host that is not running
// is said and the program ends.

#include "shared/AcadProj.h"

namespace stavrin {

inline const suite::AttachVariant AttachVariant{{}, 0, {}, suite::AttachVariant::Then::Report, "Location Of Error"};

}  // namespace stavrin
