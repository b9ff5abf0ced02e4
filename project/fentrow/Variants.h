#pragma once
// How Fentrow's attach behaves: a failure says "Warning!!! AutoCad Not
// Running..." in a plain box and the browser carries on with files only.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"

namespace fentrow {

inline const suite::AttachVariant AttachVariant{
    suite::AttachWarning, forms::msgbox::OkOnly, {}, suite::AttachVariant::Then::CarryOn, {}};

}  // namespace fentrow
