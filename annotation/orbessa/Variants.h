#pragma once
// How Orbessa's copies of the suite modules behave: a failed attach shows the
// plain warning "Warning!!! AutoCad Not Running..." and ends the program; its
// on-screen selection uses the set "setpres" and, on an error, shows the
// window first and then a plain box of the number and the description.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/SelectionLoop.h"

namespace orbessa {

inline const suite::AttachVariant AttachVariant{
    suite::AttachWarning, forms::msgbox::OkOnly, {}, suite::AttachVariant::Then::End, {}};

// Select Text also deletes the set after the box; the two insertion-point
// buttons leave it for the next run to remove.
inline suite::SelectionTool selectionTool(bool deletesSetAfterError)
{
    suite::SelectionTool tool;
    tool.setName = QStringLiteral("setpres");
    tool.errors.boxStyle = forms::msgbox::OkOnly;
    tool.errors.windowFirst = true;
    tool.errors.deleteSet = deletesSetAfterError;
    return tool;
}

}  // namespace orbessa
