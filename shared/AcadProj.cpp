#include "shared/AcadProj.h"

#include "platform/cad/Application.h"
#include "platform/cad/HostRegistry.h"
#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "shared/AcadConnection.h"

#include <QScopeGuard>

namespace suite {

namespace {

using Then = AttachVariant::Then;

// Marks the connection as reporting until every way out of the report.
auto reportingGuard(AcadConnection& conn)
{
    conn.reportingFailure = true;
    return qScopeGuard([&conn] { conn.reportingFailure = false; });
}

}  // namespace

bool acadProj(env::Environment& env, AcadConnection& conn, const AttachVariant& variant,
              const AttachHooks& hooks)
{
    // A tick that comes while the failure of an earlier tick is still on screen
    // does nothing: one box at a time.
    if (conn.reportingFailure)
        return false;

    bool gotApplication = false;
    bool gotDocument = false;
    auto fetchApplication = [&] {
        conn.application = env.hosts->getObject(cad::HostClassName);
        gotApplication = true;
    };
    auto fetchDocument = [&] {
        if (!conn.application)
            runtime::raise(runtime::err::ObjectVariableNotSet);
        conn.document = conn.application->activeDocument();
        gotDocument = true;
    };

    if (variant.then == Then::Report) {
        // The reporter's answers act on the two fetches as steps.
        const auto guard = reportingGuard(conn);
        Reporter reporter;
        if (hooks.report)
            reporter = [&](const runtime::Error& e) { return hooks.report(variant.reportLocation, e); };
        runProcedure(reporter, [&](StepRunner& step) {
            step(fetchApplication);
            step(fetchDocument);
        });
        return gotApplication && gotDocument;
    }

    try {
        fetchApplication();
        fetchDocument();
        return true;
    } catch (const runtime::Error&) {
        const auto guard = reportingGuard(conn);
        env.ui->msgBox(variant.message, variant.style);
        if (!variant.secondMessage.isEmpty())
            env.ui->msgBox(variant.secondMessage, variant.style);
        switch (variant.then) {
        case Then::End:
            runtime::endProgram();
        case Then::Unload:
            if (hooks.unload)
                hooks.unload();
            return false;
        default:
            return false;
        }
    }
}

}  // namespace suite
