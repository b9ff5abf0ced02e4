#pragma once
// How Sodrin's copies of the suite modules behave: a failed attach warns
// "Warning!!! AutoCad Not Running..." (critical) and ends the program; its
// "Pick Files" window ("FrmFile") lists layer files and hands one picked file
// to the settings; its layer creation brings an existing layer to the file's
// colour and linetype and never loads "continuous".

#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadProj.h"
#include "shared/LayerRoutines.h"
#include "shared/PickFilesVariant.h"

namespace sodrin {

inline const suite::AttachVariant AttachVariant{
    suite::AttachWarning, forms::msgbox::Critical, {}, suite::AttachVariant::Then::End, {}};

inline const suite::CreateLayerVariant CreateLayerVariant{.leavesExisting = false, .skipsContinuous = true};

inline suite::PickFilesVariant pickFilesVariant()
{
    suite::PickFilesVariant v;
    v.formName = QStringLiteral("FrmFile");
    v.pattern = QStringLiteral("*.lay");
    v.fileMenu = suite::PickFilesVariant::FileMenu::Drive;
    v.acceptTakesOne = true;
    return v;
}

}  // namespace sodrin
