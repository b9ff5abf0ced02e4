#pragma once
// The layer and linetype tests and the layer creation that several tools
// carry: whether the drawing of a tool's connection already has a layer or a
// linetype (names compared without regard to case), and making a layer with a
// colour and a linetype. What the copies of the creation differ in is the
// variant.

#include <QString>
#include <cstdint>

namespace suite {

struct AcadConnection;

// Any failure of the walk (no drawing, a refused call) answers false.
bool layerExist(const AcadConnection& conn, const QString& name);
bool linetypeExist(const AcadConnection& conn, const QString& name);

struct CreateLayerVariant {
    // An existing layer is left as it is: neither made current nor changed.
    // Without it an existing layer is brought to the colour and linetype and
    // made current like a new one.
    bool leavesExisting = true;
    // "continuous" in any letter case is never loaded from the catalogue.
    bool skipsContinuous = false;
};

// The colours a layer takes: the host's colour index.
inline constexpr int32_t FirstLayerColour = 1;
inline constexpr int32_t LastLayerColour = 255;

// Loads the linetype from "acad.lin" when the drawing lacks it, adds the
// layer, makes it the active layer and sets its colour and linetype. Any
// failure ends the routine silently. Nothing is touched for a colour outside
// the colour index or a linetype the catalogue does not hold, so a failing
// layer is never left half made and the active layer stays. Returns true when
// the layer got the colour and linetype.
bool createLayer(const AcadConnection& conn, const QString& name, const QString& linetype, int32_t colour,
                 const CreateLayerVariant& variant = {});

}  // namespace suite
