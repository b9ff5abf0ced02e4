#pragma once
// Drossel's program-wide state, shared by its windows: the connection to the
// CAD host, the paper button pressed last, the plot window picked in the
// settings window, the cancel request of a batch, and whether a plot is under
// way. It also holds the attach routine, which every window reaches through
// here.

#include "batch/drossel/DrosselSettings.h"
#include "platform/cad/Point.h"
#include "shared/AcadConnection.h"

#include <QString>
#include <optional>

namespace cad { class Document; }
namespace env { struct Environment; }

namespace drossel {

class MuduleAplot {
public:
    explicit MuduleAplot(env::Environment& env);
    MuduleAplot(const MuduleAplot&) = delete;
    MuduleAplot& operator=(const MuduleAplot&) = delete;

    env::Environment& env() const { return env_; }
    DrosselSettings& settings() { return settings_; }

    // Attaches to the running host and its active drawing. When that fails
    // the box "AutoCad Not Running" is shown and the program ends.
    bool AcadProj();

    // The drawing attached last; 91 when there is none.
    cad::Document& document() const;

    suite::AcadConnection conn;

    // The paper key of the button pressed last, with either mouse button.
    QString PaperKey;

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
};

}  // namespace drossel
