#pragma once
// How Pemmit's copies of the suite modules behave: a failed attach says
// "AutoCad Not Running" and unloads the window, whose unload ends the
// program; its on-screen selection uses the set "settxt0", ends quietly when
// the user gives no point, tries a step that raised the host's exception
// error again up to three times, and shows any other error as a critical box
// of the number and the description.

#include "platform/cad/CadErrors.h"
#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/SelectionLoop.h"

namespace pemmit {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::Unload, {}};

inline suite::SelectionTool selectionTool()
{
    suite::SelectionTool tool;
    tool.setName = QStringLiteral("settxt0");
    tool.errors.boxStyle = forms::msgbox::Critical;
    tool.errors.cleared = {cad::err::NoPointGiven};
    tool.errors.retried = {cad::err::ExceptionOccurred};
    tool.errors.retryLimit = 3;
    return tool;
}

}  // namespace pemmit
