#include "batch/pollent/Session.h"

#include "batch/pollent/Variants.h"
#include "shared/AcadProj.h"
#include "shared/ReportError.h"

namespace pollent {

bool Session::attach(suite::ReportError& report)
{
    const auto before = connection.document;
    suite::AttachHooks hooks;
    hooks.report = [&report](const QString& location, const runtime::Error& error) {
        return report.report(location, error);
    };
    if (suite::acadProj(env, connection, AttachVariant, hooks))
        return true;
    // The report's "Yes" attaches a host it started; a failed start leaves the
    // references as they were.
    return connection.document && connection.document != before;
}

}  // namespace pollent
