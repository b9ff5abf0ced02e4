#include "batch/drossel/PlotRoutine.h"

#include "batch/drossel/DrosselSettings.h"
#include "batch/drossel/ErrorText.h"
#include "batch/drossel/MuduleAplot.h"
#include "batch/drossel/PlotTables.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/Document.h"
#include "platform/cad/Layout.h"
#include "platform/cad/Plot.h"
#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/PassOver.h"

namespace drossel {

PlotRoutine::Outcome PlotRoutine::PlotDrawings(const PlotChoices& choices)
{
    Outcome outcome;
    DrosselSettings& settings = module_.settings();
    bool writingStyleSheet = false;
    cad::Document* document = nullptr;
    try {
        document = &module_.conn.doc();
        const std::shared_ptr<cad::Plot> plot = document->plot();
        const std::shared_ptr<cad::Layout> layout = document->activeLayout();
        const QString rotation = settings.get(DrosselSettings::Rotation, DrosselSettings::DefaultRotation);
        if (const std::optional<int> value = PlotTables::plotRotation(rotation))
            layout->setPlotRotation(*value);
        const QString copies = settings.get(DrosselSettings::NumberCopy, DrosselSettings::DefaultNumberCopy);
        plot->setNumberOfCopies(runtime::toInt32(copies));
        if (module_.WindowPlot) {
            writePlotArea(*document);
            layout->setPlotType(cad::plotType::Window);
        } else {
            layout->setPlotType(cad::plotType::Extents);
        }
        layout->refreshPlotDeviceInfo();
        // The paper belongs to the device: the device goes first.
        layout->setConfigName(module_.ButtonPlotter);
        layout->setCanonicalMediaName(module_.ButtonMedia);
        Scales(choices.scale);
        outcome.offset = Centers(choices.center);
        layout->setPlotWithPlotStyles(true);
        writingStyleSheet = true;
        layout->setStyleSheet(choices.penStyle);
        writingStyleSheet = false;
        if (module_.PlotPreview)
            plot->displayPlotPreview(1);
        else
            plot->plotToDevice();
    } catch (const runtime::Error& error) {
        // The host's number for a refused pen style is the one it uses for any
        // refused value, so only a refusal of the style sheet is taken as one.
        forms::Interaction& ui = *module_.env().ui;
        if (writingStyleSheet && error.number() == cad::err::PlotStyleRefused) {
            ui.msgBox(QStringLiteral("Pen Not Found...\rPick Different Pen Style:"), forms::msgbox::Critical);
            module_.CancelRequested = true;
        } else {
            ui.msgBox(errorText(error, QStringLiteral("  PlottingDrawingsSub")), forms::msgbox::OkOnly);
        }
        return outcome;
    }
    // The drawing keeps the settings it was plotted with; a drawing that
    // cannot be saved (read-only) has still been plotted.
    runtime::passOver([document] { document->save(); });
    outcome.plotted = true;
    return outcome;
}

void PlotRoutine::writePlotArea(cad::Document& document)
{
    if (!module_.WindowLowerLeft || !module_.WindowUpperRight)
        runtime::raise(cad::err::InvalidArgument, QStringLiteral("No plot window has been picked"));
    document.activeLayout()->setWindowToPlot(*module_.WindowLowerLeft, *module_.WindowUpperRight);
    // Keep the corners as the host stored them.
    const auto [lowerLeft, upperRight] = document.activeLayout()->getWindowToPlot();
    module_.WindowLowerLeft = lowerLeft;
    module_.WindowUpperRight = upperRight;
}

void PlotRoutine::Scales(const QString& scale, Write write)
{
    runtime::passOver([&] {
        const std::shared_ptr<cad::Layout> layout = module_.conn.doc().activeLayout();
        const std::optional<int> value = PlotTables::standardScale(scale);
        if (value && (write == Write::Always || layout->standardScale() != *value))
            layout->setStandardScale(*value);
    });
}

std::optional<PlotOffset> PlotRoutine::Centers(bool center, Write write)
{
    std::optional<PlotOffset> offset;
    runtime::passOver([&] {
        cad::Document& document = module_.conn.doc();
        DrosselSettings& settings = module_.settings();
        if (write == Write::Always)
            settings.save(DrosselSettings::Center, center ? DrosselSettings::True : DrosselSettings::False);
        if (center) {
            const std::shared_ptr<cad::Layout> layout = document.activeLayout();
            if (write == Write::Always || !layout->centerPlot())
                layout->setCenterPlot(true);
            const cad::Point2 origin = layout->plotOrigin();
            offset = PlotOffset{runtime::formatGeneral(origin.x), runtime::formatGeneral(origin.y)};
        } else {
            offset = PlotOffset{QStringLiteral("0"), QStringLiteral("0")};
            // Unticked means not centred: without this a drawing saved after a
            // centred plot would stay centred.
            const std::shared_ptr<cad::Layout> layout = document.activeLayout();
            if (write == Write::Always || layout->centerPlot())
                layout->setCenterPlot(false);
        }
        document.regen(cad::regen::ActiveViewport);
    });
    return offset;
}

}  // namespace drossel
