#pragma once
// How Kandrel's attach behaves: a failure says "AutoCad Not Running" and
// unloads the project window, whose unload saves the settings it showed and
// ends the program.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"

namespace kandrel {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::Unload, {}};

}  // namespace kandrel
