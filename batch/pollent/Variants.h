#pragma once
// How Pollent's copies of the suite modules behave: a failed attach goes to
// its error report, which offers to start the host; its "Pick Files" window
// ("BatchForm2") starts on drive P: and adds drawings to the list; the switch
// to single-document mode asks for open drawings to be closed in its words.

#include "shared/AcadProj.h"
#include "shared/PickFilesVariant.h"

namespace pollent {

inline const suite::AttachVariant AttachVariant{
    {}, 0, {}, suite::AttachVariant::Then::Report, QStringLiteral("AcadProj")};

inline const QString CloseDrawingsFirst = QStringLiteral("Please Close All Drawings Out\rAnd Try Again Please");

inline suite::PickFilesVariant pickFilesVariant()
{
    suite::PickFilesVariant v;
    v.formName = QStringLiteral("BatchForm2");
    v.pattern = QStringLiteral("*.dwg");
    return v;
}

}  // namespace pollent
