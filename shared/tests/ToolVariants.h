#pragma once
// The attach, "Pick Files" and file list variants of the suite's tools as test data, so
// the shared routines are tried with every shape a tool gives them.

#include "platform/cad/CadErrors.h"
#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/EditableFileListVariant.h"
#include "shared/PickFilesVariant.h"
#include "shared/SelectionLoop.h"

#include <QList>
#include <QString>
#include <stdexcept>

namespace suite::test {

struct NamedAttachVariant {
    QString tool;
    AttachVariant variant;
};

inline const QList<NamedAttachVariant>& attachVariants()
{
    using Then = AttachVariant::Then;
    const int critical = forms::msgbox::Critical;
    static const QList<NamedAttachVariant> table = {
        {"Mervane", {AttachNotRunning, critical, {}, Then::Unload, {}}},
        {"Pollent", {{}, 0, {}, Then::Report, "AcadProj"}},
        {"Drossel", {AttachNotRunning, critical, {}, Then::End, {}}},
        {"Sections", {AttachNotRunning, critical, {}, Then::End, {}}},
        {"Kandrel", {AttachNotRunning, critical, {}, Then::Unload, {}}},
        {"Fentrow", {AttachWarning, forms::msgbox::OkOnly, {}, Then::CarryOn, {}}},
        {"Brindok", {AttachNotRunning, critical, {}, Then::End, {}}},
        {"Wexmoor", {{}, 0, {}, Then::Report, "AcadProj_Object"}},
        {"Tarvo", {AttachNotRunning, critical, {}, Then::CarryOn, {}}},
        {"Lunvik", {AttachNotRunning, critical, {}, Then::End, {}}},
        {"Orbessa", {AttachWarning, forms::msgbox::OkOnly, {}, Then::End, {}}},
        {"Pemmit", {AttachNotRunning, critical, {}, Then::Unload, {}}},
        {"Stavrin", {{}, 0, {}, Then::Report, "Location Of Error"}},
        {"Sodrin", {AttachWarning, critical, {}, Then::End, {}}},
        {"Ploven", {AttachWarning, critical, "Warning!!! Try Running AutoCad Again...", Then::End, {}}},
    };
    return table;
}

inline const AttachVariant& attachVariant(const QString& tool)
{
    for (const NamedAttachVariant& named : attachVariants())
        if (named.tool.compare(tool, Qt::CaseInsensitive) == 0)
            return named.variant;
    throw std::invalid_argument("no attach variant for " + tool.toStdString());
}

inline PickFilesVariant pickFilesPollent()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("BatchForm2");
    v.pattern = QStringLiteral("*.dwg");
    return v;
}

inline PickFilesVariant pickFilesDrossel()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("FrmBatch");
    v.pattern = QStringLiteral("*.dwg");
    v.start = PickFilesVariant::Start::StoredFolder;
    v.hasMnup = false;
    v.doubleClickAdds = true;
    v.showMenuHint = true;
    return v;
}

inline PickFilesVariant pickFilesUnbalo()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("FrmBatch");
    v.pattern = QStringLiteral("*.*");
    v.start = PickFilesVariant::Start::CurrentFolder;
    v.hasMnup = false;
    v.dirPopsDriveMenu = false;
    v.showMenuHint = true;
    return v;
}

inline PickFilesVariant pickFilesSodrin()
{
    PickFilesVariant v;
    v.formName = QStringLiteral("FrmFile");
    v.pattern = QStringLiteral("*.lay");
    v.fileMenu = PickFilesVariant::FileMenu::Drive;
    v.acceptTakesOne = true;
    return v;
}

// The installer's packer item list: cleared by a button, rows dragged.
inline EditableFileListVariant fileListUnbalo()
{
    EditableFileListVariant v;
    v.listName = QStringLiteral("lstItems");
    v.clearToolTip = QStringLiteral("Clear all");
    // The installer's tooltips are these digit strings as they stand.
    v.deleteToolTip = QStringLiteral("5010");
    v.upToolTip = QStringLiteral("5011");
    v.downToolTip = QStringLiteral("5012");
    v.dragReorder = true;
    v.buttonColumn = {QStringLiteral("cmdAdd"), QStringLiteral("cmdDelete"), QStringLiteral("cmdUp"),
                      QStringLiteral("cmdDown")};
    return v;
}

// A sorted list cleared from a right-click menu, as the batch plotter's.
inline EditableFileListVariant fileListSorted()
{
    EditableFileListVariant v = fileListUnbalo();
    v.listName = QStringLiteral("LstDwg");
    v.listToolTip = QStringLiteral("Right Click For Menu:");
    v.sorted = true;
    v.dragReorder = false;
    v.clearToolTip.clear();
    v.clearMenuTitle = QStringLiteral("Plotting");
    v.clearMenuItem = QStringLiteral("Clear All Drawings");
    v.upToolTip = QStringLiteral("Move Up");
    v.buttonColumn.removeOne(QStringLiteral("cmdAdd"));
    return v;
}

// The selection loop as each tool that picks objects uses it: the set's name
// and the reaction to an error; the precondition and the work are the test's.
inline SelectionTool selectionTool(const QString& tool)
{
    SelectionTool made;
    made.setName = QStringLiteral("setpres");
    if (tool == QStringLiteral("Lunvik")) {
        made.errors.box = false;
    } else if (tool == QStringLiteral("Orbessa")) {
        made.errors.boxStyle = forms::msgbox::OkOnly;
        made.errors.windowFirst = true;
        made.errors.deleteSet = true;
    } else if (tool == QStringLiteral("Pemmit")) {
        made.setName = QStringLiteral("settxt0");
        made.errors.cleared = {cad::err::NoPointGiven};
        made.errors.retried = {cad::err::ExceptionOccurred};
        made.errors.retryLimit = 3;
    } else if (tool != QStringLiteral("Brindok")) {
        throw std::invalid_argument("no selection tool " + tool.toStdString());
    }
    return made;
}

}  // namespace suite::test
