#pragma once
// Drossel's plot of the active drawing: it writes every plot setting of the
// drawing's active layout from Drossel's state and the main window's options
// (the pressed button's device and paper, the stored rotation and copies, the
// plot area, the scale, the centring and the pen table), plots or previews,
// and saves the drawing so that it keeps the settings it was plotted with. It
// also writes the scale and the centring on their own, which the main window
// does whenever they change. It reports its failures in the program's boxes
// and reaches no window: the options come in as values, and what the main
// window shows afterwards (the plot offset) goes back as one.

#include <QString>
#include <optional>

namespace cad { class Document; }

namespace drossel {

class MuduleAplot;

// The main window's plot options as they stand when a plot starts.
struct PlotChoices {
    QString scale;     // the text of the scale box
    bool center = false;
    QString penStyle;  // the text of the pen style box, " (Missing)" and all
};

// The plot offset the main window shows: the host's origin of a centred plot,
// "0" and "0" otherwise.
struct PlotOffset {
    QString x;
    QString y;
};

class PlotRoutine {
public:
    // Whether a write of the scale or the centring writes whatever is there,
    // as a plot and the user's choice do, or leaves alone what the layout and
    // the settings hold already, as the program's start does.
    enum class Write { Always, OnlyChanges };

    explicit PlotRoutine(MuduleAplot& module) : module_(module) {}

    struct Outcome {
        // Plotted or previewed; false when a failure was reported.
        bool plotted = false;
        // What the offset boxes show now; empty when they stay as they were.
        std::optional<PlotOffset> offset;
    };

    // Plots the active drawing. A failure is reported in a box and nothing
    // is saved; a pen table the host refuses also asks a batch to stop.
    Outcome PlotDrawings(const PlotChoices& choices);

    // The scale text into the active layout; a text that is none of the
    // scale items writes nothing. Any failure passes silently.
    void Scales(const QString& scale, Write write = Write::Always);
    // The centring choice into the setting "Center" (not with OnlyChanges:
    // the choice was read from it) and the active layout, then a
    // regeneration. Any failure passes silently; the offset comes back when
    // it got as far as the offset.
    std::optional<PlotOffset> Centers(bool center, Write write = Write::Always);

private:
    // The plot area: the drawing's extents, or the picked window as the
    // host stores it.
    void writePlotArea(cad::Document& document);

    MuduleAplot& module_;
};

}  // namespace drossel
