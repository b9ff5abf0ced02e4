#pragma once

#include <QString>
#include <optional>

namespace unbalo {

class ProgressDisplay;

// The progress caption of both runs: "Install...   N% Complete" for the
// items done so far, where N is done / count rounded to two decimals (ties to
// the even neighbour) as a whole percentage; from 90 percent on the caption
// keeps its last text until the end text replaces it.
class ProgressCaption {
public:
    static const QString Complete;

    static int percent(int done, int count);
    // The caption for done of count items; none from 90 percent on.
    static std::optional<QString> caption(int done, int count);
    // Shows the caption for done of count items where there is one.
    static void show(ProgressDisplay& display, int done, int count);
};

}  // namespace unbalo
