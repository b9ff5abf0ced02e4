#include "scales/mervane/Session.h"

#include "scales/mervane/Variants.h"
#include "shared/AcadProj.h"

namespace mervane {

bool Session::attach(const std::function<void()>& unload)
{
    suite::AttachHooks hooks;
    hooks.unload = unload;
    return suite::acadProj(env, connection, AttachVariant, hooks);
}

}  // namespace mervane
