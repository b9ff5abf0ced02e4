#include "layers/brindok/MdlMain.h"

#include "layers/brindok/Variants.h"
#include "shared/AcadProj.h"

namespace brindok {

bool MdlMain::AcadProj() { return suite::acadProj(env_, conn_, AttachVariant); }

}  // namespace brindok
