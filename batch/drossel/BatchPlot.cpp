#include "batch/drossel/BatchPlot.h"

#include "batch/drossel/MuduleAplot.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/PassOver.h"
#include "shared/FileListModel.h"
#include "shared/SingleDocumentMode.h"

namespace drossel {

bool BatchPlot::prepare()
{
    module_.CancelRequested = false;
    suite::SingleDocumentMode& sdi = module_.sdi();
    sdi.save();
    return sdi.switchOn(*module_.env().ui,
                        QStringLiteral("Please Close All Drawings Out But One Drawing\rAnd Try Again Please"));
}

BatchPlot::Outcome BatchPlot::run(const suite::FileListModel& drawings, const PlotChoices& choices)
{
    Outcome outcome;
    const QStringList paths = drawings.paths();
    const forms::Dispatcher& dispatcher = *module_.env().dispatcher;
    for (const QString& path : paths) {
        if (module_.CancelRequested || dispatcher.ended())
            break;
        if (open(path)) {
            const PlotRoutine::Outcome plotted = plot_.PlotDrawings(choices);
            if (plotted.offset)
                outcome.offset = plotted.offset;
        } else {
            outcome.skipped.append(path);
        }
        module_.env().clock->doEvents();
    }
    return outcome;
}

bool BatchPlot::open(const QString& path)
{
    return !runtime::passOver([&] { module_.conn.document = module_.conn.doc().open(path); });
}

}  // namespace drossel
