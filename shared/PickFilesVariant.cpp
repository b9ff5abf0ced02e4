#include "shared/PickFilesVariant.h"

namespace suite {

PickFilesVariant PickFilesVariant::pollent()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("BatchForm2");
    v.pattern = QStringLiteral("*.dwg");
    return v;
}

PickFilesVariant PickFilesVariant::drossel()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("FrmBatch");
    v.pattern = QStringLiteral("*.dwg");
    v.start = Start::StoredFolder;
    v.hasMnup = false;
    v.doubleClickAdds = true;
    v.showMenuHint = true;
    return v;
}

PickFilesVariant PickFilesVariant::unbalo()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("FrmBatch");
    v.pattern = QStringLiteral("*.*");
    v.start = Start::CurrentFolder;
    v.hasMnup = false;
    v.dirPopsDriveMenu = false;
    v.showMenuHint = true;
    return v;
}

PickFilesVariant PickFilesVariant::sodrin()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("FrmFile");
    v.pattern = QStringLiteral("*.lay");
    v.fileMenu = FileMenu::Drive;
    v.acceptTakesOne = true;
    return v;
}

}  // namespace suite
