#pragma once
// How Brindok's copies of the suite modules behave: a failed attach says
// "AutoCad Not Running" and ends the program; its on-screen selection uses the
// set "setpres" and shows an error as a critical box of the number and the
// description before the window comes back.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/SelectionLoop.h"

namespace brindok {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::End, {}};

inline suite::SelectionTool selectionTool()
{
    suite::SelectionTool tool;
    tool.setName = QStringLiteral("setpres");
    tool.errors.boxStyle = forms::msgbox::Critical;
    return tool;
}

}  // namespace brindok
