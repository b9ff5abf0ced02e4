#pragma once
// The palette's layer commands on a drawing: freeze, thaw, turn off or on
// every layer; make the listed layer current, turn it off, or isolate it.
// Every failing step is passed over (the host does not freeze the current
// layer, for one) and the drawing is regenerated at the end.

#include <QString>

namespace cad { class Document; }

namespace brindok {

class LayerStates {
public:
    static void freezeAll(cad::Document& doc, bool frozen);
    static void turnAll(cad::Document& doc, bool on);

    // The listed layer is the one whose name is exactly `name`. When the
    // drawing has none of that name nothing changes but the regeneration.
    static void makeCurrent(cad::Document& doc, const QString& name);
    static void turnOff(cad::Document& doc, const QString& name);
    static void isolate(cad::Document& doc, const QString& name);
};

}  // namespace brindok
