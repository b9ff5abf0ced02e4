#pragma once
// How Drossel's copies of the suite modules behave: a failed attach says
// "AutoCad Not Running" and ends the program; its "Pick Files" window
// ("FrmBatch") starts in the folder it was last used in and adds a drawing on
// a double click.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/PickFilesVariant.h"

namespace drossel {

inline const suite::AttachVariant AttachVariant{
    suite::AttachNotRunning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::End, {}};

inline suite::PickFilesVariant pickFilesVariant()
{
    suite::PickFilesVariant v;
    v.formName = QStringLiteral("FrmBatch");
    v.pattern = QStringLiteral("*.dwg");
    v.start = suite::PickFilesVariant::Start::StoredFolder;
    v.hasMnup = false;
    v.doubleClickAdds = true;
    v.showMenuHint = true;
    return v;
}

}  // namespace drossel
