#include "batch/pollent/Session.h"

#include "batch/pollent/Variants.h"
#include "platform/cad/Document.h"
#include "platform/runtime/Error.h"
#include "shared/AcadProj.h"
#include "shared/ReportError.h"

namespace pollent {

void Session::attach(suite::ReportError& report)
{
    suite::AttachHooks hooks;
    hooks.report = [&report](const QString& location, const runtime::Error& error) {
        return report.report(location, error);
    };
    suite::acadProj(env, connection, AttachVariant, hooks);
}

cad::Document& Session::document() const
{
    if (!connection.document)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    return *connection.document;
}

}  // namespace pollent
