#include "batch/drossel/MuduleAplot.h"

#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/runtime/Error.h"
#include "batch/drossel/Variants.h"

namespace drossel {

MuduleAplot::MuduleAplot(env::Environment& env) : env_(env), settings_(*env.settings) {}

bool MuduleAplot::AcadProj()
{
    return suite::acadProj(env_, conn, AttachVariant);
}

cad::Document& MuduleAplot::document() const
{
    if (!conn.document)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    return *conn.document;
}

}  // namespace drossel
