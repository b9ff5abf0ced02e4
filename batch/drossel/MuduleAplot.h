#pragma once
// Drossel's program state, shared by its windows and its runs: the
// environment, the connection to the CAD host and the host's single-document
// setting to put back, the stored settings, the list of drawings to plot, the
// paper button pressed last with its plotter and paper, the plot options the
// main window holds, the plot window picked in the settings window, the cancel
// request of a batch, and whether a plot is under way. It also holds the
// attach routine, which every window reaches through here.

#include "batch/drossel/DrosselSettings.h"
#include "platform/cad/Point.h"
#include "shared/AcadConnection.h"
#include "shared/FileListModel.h"

#include <QString>
#include <memory>
#include <optional>

namespace env { struct Environment; }
namespace suite { class SingleDocumentMode; }

namespace drossel {

class MuduleAplot {
public:
    explicit MuduleAplot(env::Environment& env);
    ~MuduleAplot();
    MuduleAplot(const MuduleAplot&) = delete;
    MuduleAplot& operator=(const MuduleAplot&) = delete;

    env::Environment& env() const { return env_; }
    DrosselSettings& settings() { return settings_; }

    // Attaches to the running host and its active drawing. When that fails
    // the box "AutoCad Not Running" is shown and the program ends.
    bool AcadProj();

    suite::AcadConnection conn;

    // The host's single-document setting as read at the load and at the start
    // of every batch; it is put back when a batch ends and when the program
    // ends, however it ends.
    suite::SingleDocumentMode& sdi() const { return *sdi_; }

    // The drawings a batch plots, in the order shown.
    suite::FileListModel drawings;

    // The paper key of the button pressed last, with either mouse button,
    // and that button's plot device and canonical paper name.
    QString PaperKey;
    QString ButtonPlotter;
    QString ButtonMedia;

    // "Plot Preview" is ticked: plots are previewed, nothing is sent.
    bool PlotPreview = false;

    // Plot the picked window instead of the drawing's extents.
    bool WindowPlot = false;
    // The plot window's corners; empty until a pick was accepted by the host.
    std::optional<cad::Point2> WindowLowerLeft;
    std::optional<cad::Point2> WindowUpperRight;

    // Set by the cancel window or a refused pen style; a batch stops before
    // its next drawing.
    bool CancelRequested = false;

    // True while a single plot or a batch runs, so that nothing starts a
    // second one meanwhile (windows stay reachable while boxes are up and
    // while a batch lets events through).
    bool plotRunning = false;

private:
    env::Environment& env_;
    DrosselSettings settings_;
    // Shared with the work at the program's end, which must not outlive it.
    std::shared_ptr<suite::SingleDocumentMode> sdi_;
};

}  // namespace drossel
