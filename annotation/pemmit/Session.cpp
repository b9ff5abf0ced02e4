#include "annotation/pemmit/Session.h"

#include "annotation/pemmit/Variants.h"
#include "shared/AcadProj.h"

namespace pemmit {

bool Session::attach(const std::function<void()>& unload)
{
    suite::AttachHooks hooks;
    hooks.unload = unload;
    return suite::acadProj(env, connection, AttachVariant, hooks);
}

}  // namespace pemmit
