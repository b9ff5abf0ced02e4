#pragma once
// How Sections' attach behaves: a failure says "AutoCad Not Running" and ends
// the program. It runs from the window's timer only, never at load.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"

namespace sections {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::End, {}};

}  // namespace sections
