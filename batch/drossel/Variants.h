#pragma once
// How Drossel's copies of the suite modules behave: a failed attach says
// "AutoCad Not Running" and ends the program; its "Pick Files" window
// ("FrmBatch") starts in the folder it was last used in and adds a drawing on
// a double click; its list of drawings ("LstDwg") keeps new rows in
// alphabetical order and is cleared from a right-click menu.

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/EditableFileListVariant.h"
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

inline const suite::EditableFileListVariant FileListVariant{
    .listName = QStringLiteral("LstDwg"),
    .listToolTip = QStringLiteral("Right Click For Menu:"),
    .sorted = true,
    .clearToolTip = {},  // cleared from a right-click menu, not a button
    .clearMenuTitle = QStringLiteral("Plotting"),
    .clearMenuItem = QStringLiteral("Clear All Drawings"),
    .deleteToolTip = QStringLiteral("Delete From List"),
    .upToolTip = QStringLiteral("Move Up"),
    .downToolTip = QStringLiteral("Move Down"),
    .dragReorder = false,
    .buttonColumn = {QStringLiteral("cmdUp"), QStringLiteral("cmdDown"), QStringLiteral("cmdDelete")},
};

}  // namespace drossel
