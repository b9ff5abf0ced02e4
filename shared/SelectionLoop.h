#pragma once
// The on-screen selection that the tools which change picked objects share: a
// named selection set made afresh in the active drawing, the tool's window
// hidden, the host's own object selection asked for until the user ends or
// cancels it (a display command that interrupts it only asks again), the
// tool's work on every object of the set, the set deleted and the window shown
// again on every way out. What the tools differ in is a SelectionTool.

#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace cad { class Entity; }
namespace forms { class Interaction; }

namespace suite {

struct AcadConnection;

// How a tool's selection reacts to a numbered error.
struct SelectionErrors {
    // A box with the number, "  Description:  " and the description; without
    // it the selection ends silently.
    bool box = true;
    int boxStyle = forms::msgbox::Critical;
    // The window is shown before the box rather than after it.
    bool windowFirst = false;
    // After the box the set is deleted, a failure of that passed over.
    bool deleteSet = false;
    // Numbers that end the selection without a box.
    QList<int32_t> cleared;
    // Numbers whose failing step is tried again, at most retryLimit times in a
    // row; after that the number is handled as any other.
    QList<int32_t> retried;
    int retryLimit = 0;
};

// What the walk over the picked objects does after one object.
enum class Walk { Next, Stop };

struct SelectionTool {
    // The set's name; a set of exactly this name is replaced, one whose name
    // differs in letter case is not the tool's.
    QString setName;
    // Before anything else; shows its own message and answers false when the
    // tool cannot start. None: always true.
    std::function<bool()> precondition;
    // Once per object of a completed selection, in the set's order. A numbered
    // error it raises is the selection's error.
    std::function<Walk(cad::Entity& object)> work;
    SelectionErrors errors;
};

enum class SelectionOutcome {
    NotStarted,  // the precondition said no
    Cancelled,   // the user cancelled: nothing was changed, the set stays
    Completed,   // every object was worked on (or the work stopped), the set deleted
    Failed,      // an error ended it, handled as the tool's errors say
};

// The last prompt's verdict on one round of selection.
enum class SelectionEnd { Completed, Cancelled, Interrupted };
SelectionEnd selectionEnd(const QString& lastPrompt);

// Runs the selection in the drawing of the connection, fetched after the
// precondition (which may attach again). `window` is hidden while the user
// picks and shown again on every way out.
SelectionOutcome selectOnScreen(forms::Interaction& ui, const AcadConnection& conn, QWidget* window,
                                const SelectionTool& tool);

}  // namespace suite
