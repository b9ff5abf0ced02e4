#pragma once
// A batch plot: every drawing of the list, in the order shown, opened in the
// host and plotted there. The list is read as it stands when the batch starts,
// so that edits made while the batch lets events through do not change it.
// The batch stops before its next drawing when a cancel is requested or the
// program ends. It switches the host to single-document mode for the run
// (prepare) and leaves putting it back to whoever ends the run, on every way
// out. It reaches no window: the main window hides itself and shows the
// cancel window around it.

#include "batch/drossel/PlotRoutine.h"

#include <QStringList>
#include <optional>

namespace suite { class FileListModel; }

namespace drossel {

class MuduleAplot;

class BatchPlot {
public:
    BatchPlot(MuduleAplot& module, PlotRoutine& plot) : module_(module), plot_(plot) {}

    struct Outcome {
        // The drawings that could not be opened, and so were not plotted.
        QStringList skipped;
        // What the offset boxes show after the last plot; empty when no plot
        // got that far.
        std::optional<PlotOffset> offset;
    };

    // Clears the cancel request, keeps the host's single-document setting
    // and switches it on. False, after saying so, when the host has two or
    // more drawings open in multiple-document mode; nothing has changed then.
    // Raises as the host does.
    bool prepare();

    // Opens and plots each listed drawing in turn, letting window events
    // through after each.
    Outcome run(const suite::FileListModel& drawings, const PlotChoices& choices);

private:
    // Opens the drawing in place of the active one; false when it cannot be
    // opened (plotting on would plot and save the drawing opened before
    // again).
    bool open(const QString& path);

    MuduleAplot& module_;
    PlotRoutine& plot_;
};

}  // namespace drossel
