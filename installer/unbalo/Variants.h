#pragma once
// How Unbalo's copies of the suite modules behave: its "Pick Files" window
// ("FrmBatch") shows every file, starts where the lists start on their own,
// has no drive menu and adds files from a right click on the file list; its
// item list ("lstItems") keeps rows in the order they are packed, is cleared
// by a picture button and lets rows be dragged. The tooltips of its delete,
// up and down buttons are digit strings, as they stand.

#include "shared/EditableFileListVariant.h"
#include "shared/PickFilesVariant.h"

namespace unbalo {

inline suite::PickFilesVariant pickFilesVariant()
{
    suite::PickFilesVariant v;
    v.formName = QStringLiteral("FrmBatch");
    v.pattern = QStringLiteral("*.*");
    v.start = suite::PickFilesVariant::Start::CurrentFolder;
    v.hasMnup = false;
    v.dirPopsDriveMenu = false;
    v.showMenuHint = true;
    return v;
}

inline const suite::EditableFileListVariant FileListVariant{
    .listName = QStringLiteral("lstItems"),
    .listToolTip = {},
    .sorted = false,
    .clearToolTip = QStringLiteral("Clear all"),
    .clearMenuTitle = {},
    .clearMenuItem = {},
    .deleteToolTip = QStringLiteral("5010"),
    .upToolTip = QStringLiteral("5011"),
    .downToolTip = QStringLiteral("5012"),
    .dragReorder = true,
    .buttonColumn = {QStringLiteral("cmdAdd"), QStringLiteral("cmdDelete"), QStringLiteral("cmdUp"),
                     QStringLiteral("cmdDown")},
};

}  // namespace unbalo
