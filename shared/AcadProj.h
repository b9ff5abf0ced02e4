#pragma once
// Attaches a tool to the running CAD host and its active drawing. One routine
// for every tool; what differs per tool (the failure reaction) is data that
// each program declares in its own folder.

#include "shared/StepRunner.h"

#include <QString>
#include <functional>

namespace env { struct Environment; }

namespace suite {

struct AcadConnection;

// What a tool does when the attach fails.
struct AttachVariant {
    enum class Then {
        Unload,   // unload the holding form (its unload handler decides the rest)
        End,      // end the program at once
        CarryOn,  // the caller goes on with stale or empty references
        Report,   // hand the error to the tool's ReportError with reportLocation
    };

    QString message;        // first box; empty for Report
    int style = 0;          // its style value
    QString secondMessage;  // a second box, shown after the first (Ploven)
    Then then = Then::End;
    QString reportLocation;
};

// The boxes the tools' variants share.
inline const QString AttachNotRunning = QStringLiteral("AutoCad Not Running");
inline const QString AttachWarning = QStringLiteral("Warning!!! AutoCad Not Running...");

// The reporter is handed the variant's location together with the error, so
// that the location a tool reports under is the one its variant names.
using LocatedReporter = std::function<Resume(const QString& location, const runtime::Error& error)>;

struct AttachHooks {
    std::function<void()> unload;  // for Then::Unload
    LocatedReporter report;        // for Then::Report, e.g. ReportError::report
};

// Fetches the running host and its active document into conn. Returns true when
// both were fetched. A failed fetch leaves that reference as it was.
bool acadProj(env::Environment& env, AcadConnection& conn, const AttachVariant& variant,
              const AttachHooks& hooks = {});

}  // namespace suite
