#include "shared/AcadProj.h"

#include "platform/runtime/EndProgram.h"
#include "platform/cad/Application.h"
#include "platform/cad/HostRegistry.h"
#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "shared/AcadConnection.h"

#include <QList>

namespace suite {

namespace {

using Then = AttachVariant::Then;

const QString kNotRunning = QStringLiteral("AutoCad Not Running");
const QString kWarning = QStringLiteral("Warning!!! AutoCad Not Running...");

const QList<AttachVariant>& variants()
{
    static const QList<AttachVariant> table = {
        {"Mervane", kNotRunning, forms::msgbox::Critical, {}, Then::Unload, {}},
        {"Pollent", {}, 0, {}, Then::Report, "AcadProj"},
        {"Drossel", kNotRunning, forms::msgbox::Critical, {}, Then::End, {}},
        {"Sections", kNotRunning, forms::msgbox::Critical, {}, Then::End, {}},
        {"Kandrel", kNotRunning, forms::msgbox::Critical, {}, Then::Unload, {}},
        {"Fentrow", kWarning, forms::msgbox::OkOnly, {}, Then::CarryOn, {}},
        {"Brindok", kNotRunning, forms::msgbox::Critical, {}, Then::End, {}},
        {"Wexmoor", {}, 0, {}, Then::Report, "AcadProj_Object"},
        {"Tarvo", kNotRunning, forms::msgbox::Critical, {}, Then::CarryOn, {}},
        {"Lunvik", kNotRunning, forms::msgbox::Critical, {}, Then::End, {}},
        {"Orbessa", kWarning, forms::msgbox::OkOnly, {}, Then::End, {}},
        {"Pemmit", kNotRunning, forms::msgbox::Critical, {}, Then::Unload, {}},
        {"Stavrin", {}, 0, {}, Then::Report, "Location Of Error"},
        {"Sodrin", kWarning, forms::msgbox::Critical, {}, Then::End, {}},
        {"Ploven", kWarning, forms::msgbox::Critical, "Warning!!! Try Running AutoCad Again...",
         Then::End, {}},
    };
    return table;
}

// Resets the guard on every way out of a failure report.
struct ReportingGuard {
    bool& flag;
    explicit ReportingGuard(bool& f) : flag(f) { flag = true; }
    ~ReportingGuard() { flag = false; }
};

}  // namespace

const AttachVariant& AttachVariant::of(const QString& tool)
{
    for (const AttachVariant& v : variants())
        if (v.tool.compare(tool, Qt::CaseInsensitive) == 0)
            return v;
    throw runtime::Error(runtime::err::InvalidProcedureCall,
                         QStringLiteral("No attach variant for ") + tool);
}

bool acadProj(env::Environment& env, AcadConnection& conn, const AttachVariant& variant,
              const AttachHooks& hooks)
{
    // A tick that comes while the failure of an earlier tick is still on screen
    // does nothing: one box at a time.
    if (conn.reportingFailure)
        return false;

    const QString hostClass = QStringLiteral("autocad.application");
    bool gotApplication = false;
    bool gotDocument = false;
    auto fetchApplication = [&] {
        conn.application = env.hosts->getObject(hostClass);
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
        ReportingGuard guard(conn.reportingFailure);
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
        ReportingGuard guard(conn.reportingFailure);
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
