#pragma once
// How Mervane's attach behaves: a failure says "AutoCad Not Running" and
// unloads the scale window, whose unload ends the program.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"

namespace mervane {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::Unload, {}};

}  // namespace mervane
