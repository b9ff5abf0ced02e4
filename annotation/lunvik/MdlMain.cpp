#include "annotation/lunvik/MdlMain.h"

#include "annotation/lunvik/Variants.h"
#include "shared/AcadProj.h"

namespace lunvik {

bool MdlMain::AcadProj() { return suite::acadProj(env_, conn_, AttachVariant); }

}  // namespace lunvik
