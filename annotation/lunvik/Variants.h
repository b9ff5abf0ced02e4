#pragma once
// How Lunvik's copies of the suite modules behave: a failed attach says
// "AutoCad Not Running" and ends the program; its on-screen selection uses the
// set "setpres" and ends silently on an error, the window shown again.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/SelectionLoop.h"

namespace lunvik {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::End, {}};

inline suite::SelectionTool selectionTool()
{
    suite::SelectionTool tool;
    tool.setName = QStringLiteral("setpres");
    tool.errors.box = false;
    return tool;
}

}  // namespace lunvik
