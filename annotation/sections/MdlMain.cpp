#include "annotation/sections/MdlMain.h"

#include "annotation/sections/Variants.h"
#include "shared/AcadProj.h"

namespace sections {

bool MdlMain::AcadProj() { return suite::acadProj(env_, conn_, AttachVariant); }

}  // namespace sections
