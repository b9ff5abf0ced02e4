#pragma once
// Orbessa's state: the environment, the connection to the drawing active in
// the host when the window loaded (kept for the whole run), the alignment,
// attachment and axis last chosen in the window, and the reference point the
// insertion points are lined up on.

#include "platform/cad/Point.h"
#include "shared/AcadConnection.h"

#include <QString>
#include <optional>

namespace env { struct Environment; }

namespace orbessa {

struct Session {
    explicit Session(env::Environment& environment) : env(environment) {}

    env::Environment& env;
    suite::AcadConnection connection;

    // "0" .. "14": the single-line alignment; empty until one is chosen.
    QString TextState;
    // "1" .. "9": the paragraph attachment; empty until one is chosen.
    QString MTextState;
    // "X" or "Y"; empty until an axis is chosen.
    QString AlignState;
    // The insertion point of the text last picked with "Pick Text ".
    std::optional<cad::Point> reference;
};

}  // namespace orbessa
