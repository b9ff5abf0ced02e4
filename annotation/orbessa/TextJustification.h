#pragma once
// What Orbessa does to one picked text: a single-line text ("AcDbText") gets
// an alignment and stays where it was, a paragraph text ("AcDbMText") an
// attachment point, and either kind can be moved so that its insertion point
// shares the X or the Y of a reference point. Other objects are no texts.

#include "platform/cad/Point.h"

#include <QString>

namespace cad { class Entity; }

namespace orbessa {

// The host's alignments of a single-line text that matter here.
namespace alignment {
inline constexpr int Left = 0;
inline constexpr int Aligned = 3;
inline constexpr int Fit = 5;
}  // namespace alignment

class TextJustification {
public:
    static const QString TextClass;
    static const QString MTextClass;

    static bool isText(const cad::Entity& object);
    static bool isParagraph(const cad::Entity& object);

    // Left is set alone. Aligned and Fit run between the text's two points,
    // so the text keeps its own second point. Every other alignment puts the
    // alignment point where the insertion point was, so the text stays.
    static void justify(cad::Entity& text, int alignment);
    static void attach(cad::Entity& paragraph, int attachmentPoint);

    // Moves the text onto the reference's X (axis "X") or Y (axis "Y"),
    // taking the reference's Z. A text whose insertion point the host will
    // not have written is moved by its alignment point instead.
    static void alignTo(cad::Entity& text, const cad::Point& reference, const QString& axis);
};

}  // namespace orbessa
