#pragma once
// How Tarvo's attach behaves: a failure says "AutoCad Not Running" and the
// drawing command that asked goes on with whatever connection it had.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"

namespace tarvo {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::CarryOn, {}};

}  // namespace tarvo
