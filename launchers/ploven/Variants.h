#pragma once
// How Ploven's attach behaves: a failure shows two warnings and ends the
// program.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"

namespace ploven {

inline const suite::AttachVariant AttachVariant{suite::AttachWarning, forms::msgbox::Critical,
                                                QStringLiteral("Warning!!! Try Running AutoCad Again..."),
                                                suite::AttachVariant::Then::End, {}};

}  // namespace ploven
