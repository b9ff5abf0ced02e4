#pragma once
// What the scale window does to the drawing, on the document it is handed:
// open the layout in its active viewport, give that viewport a scale, tell its
// scale, and make the next viewport of the layout the current one. No widgets
// here; every step raises the host's error for the window to report.

#include "scales/mervane/ScaleTables.h"

#include <QString>
#include <optional>

namespace cad { class Document; }

namespace mervane {

class ViewportScale {
public:
    // Paper space (switched to only when it is not already shown), zoomed to
    // its extents, then model space inside the layout's active viewport.
    static void enterLayout(cad::Document& document);

    // The viewport that is active in model space gets the zoom factor
    // relative to paper space.
    static void apply(cad::Document& document, double zoomFactor);

    // The active viewport's scale as the user reads it: paper inches to the
    // foot for the Architectural family ("0.25 = 1'-0"), the plain factor
    // otherwise.
    static QString currentScale(cad::Document& document, std::optional<ScaleFamily> family);

    // Turns on the viewport after the current one (NextViewport) and works in
    // it. False, and nothing touched, when the layout has no viewport but its
    // sheet.
    static bool moveToNext(cad::Document& document);
};

}  // namespace mervane
