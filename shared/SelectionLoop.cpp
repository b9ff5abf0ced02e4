#include "shared/SelectionLoop.h"

#include "platform/cad/Document.h"
#include "platform/forms/Interaction.h"
#include "platform/runtime/PassOver.h"
#include "shared/AcadConnection.h"
#include "shared/ErrorNumberBox.h"
#include "shared/StepRunner.h"

#include <QScopeGuard>
#include <QWidget>

namespace suite {

namespace {

const QString LastPrompt = QStringLiteral("lastprompt");

// Removes the first set of exactly that name, as a run that was interrupted
// left it behind.
void removeLeftover(cad::Document& doc, const QString& name)
{
    for (const auto& set : doc.selectionSets()->items()) {
        if (set->name() == name) {
            set->remove();
            return;
        }
    }
}

}  // namespace

SelectionEnd selectionEnd(const QString& lastPrompt)
{
    if (lastPrompt.contains(QStringLiteral("*Cancel*"), Qt::CaseInsensitive))
        return SelectionEnd::Cancelled;
    for (const char* interruption : {"shortcut menu", "<real time>", "opposite"}) {
        if (lastPrompt.contains(QLatin1String(interruption), Qt::CaseInsensitive))
            return SelectionEnd::Interrupted;
    }
    return SelectionEnd::Completed;
}

SelectionOutcome selectOnScreen(forms::Interaction& ui, const AcadConnection& conn, QWidget* window,
                                const SelectionTool& tool)
{
    if (tool.precondition && !tool.precondition())
        return SelectionOutcome::NotStarted;

    bool hidden = false;
    auto showWindow = [&] {
        if (window && hidden)
            window->show();
        hidden = false;
    };
    const auto showAgain = qScopeGuard(showWindow);

    std::shared_ptr<cad::SelectionSet> set;
    const SelectionErrors& errors = tool.errors;
    int retries = 0;
    auto report = [&](const runtime::Error& error) {
        if (errors.retried.contains(error.number()) && retries < errors.retryLimit) {
            ++retries;
            return Resume::Retry;
        }
        if (errors.cleared.contains(error.number()) || !errors.box)
            return Resume::Leave;
        if (errors.windowFirst)
            showWindow();
        showErrorNumber(ui, error, errors.boxStyle);
        if (errors.deleteSet && set)
            runtime::passOver([&] { set->remove(); });
        return Resume::Leave;
    };

    SelectionOutcome outcome = SelectionOutcome::Completed;
    const bool finished = runProcedure(report, [&](StepRunner& runner) {
        // Each step starts its own count of retries.
        auto step = [&](const std::function<void()>& work) {
            retries = 0;
            runner(work);
        };
        // Held for the whole selection: a tool's timer may attach again while
        // the user picks and let go of the connection's document.
        std::shared_ptr<cad::Document> doc;
        step([&] {
            conn.doc();
            doc = conn.document;
            removeLeftover(*doc, tool.setName);
        });
        step([&] { set = doc->selectionSets()->add(tool.setName); });
        if (window && window->isVisible()) {
            window->hide();
            hidden = true;
        }
        for (;;) {
            step([&] { set->selectOnScreen(); });
            SelectionEnd end = SelectionEnd::Completed;
            step([&] { end = selectionEnd(doc->getVariable(LastPrompt).toString()); });
            if (end == SelectionEnd::Cancelled) {
                outcome = SelectionOutcome::Cancelled;
                return;
            }
            if (end == SelectionEnd::Completed)
                break;
        }
        std::vector<std::shared_ptr<cad::Entity>> objects;
        step([&] { objects = set->items(); });
        for (const auto& object : objects) {
            Walk next = Walk::Next;
            if (tool.work)
                step([&] { next = tool.work(*object); });
            if (next == Walk::Stop)
                break;
        }
        step([&] { set->remove(); });
    });
    return finished ? outcome : SelectionOutcome::Failed;
}

}  // namespace suite
