#include "shared/EditableFileListVariant.h"

namespace suite {

EditableFileListVariant EditableFileListVariant::unbalo()
{
    EditableFileListVariant v;
    v.listName = QStringLiteral("lstItems");
    v.clearToolTip = QStringLiteral("Clear all");
    // The installer's tooltips are these digit strings as they stand.
    v.deleteToolTip = QStringLiteral("5010");
    v.upToolTip = QStringLiteral("5011");
    v.downToolTip = QStringLiteral("5012");
    v.dragReorder = true;
    return v;
}

EditableFileListVariant EditableFileListVariant::drossel()
{
    EditableFileListVariant v;
    v.listName = QStringLiteral("LstDwg");
    v.listToolTip = QStringLiteral("Right Click For Menu:");
    v.sorted = true;
    v.clearMenuTitle = QStringLiteral("Plotting");
    v.clearMenuItem = QStringLiteral("Clear All Drawings");
    v.deleteToolTip = QStringLiteral("Delete From List");
    v.upToolTip = QStringLiteral("Move Up");
    v.downToolTip = QStringLiteral("Move Down");
    return v;
}

}  // namespace suite
