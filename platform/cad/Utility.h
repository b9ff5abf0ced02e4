#pragma once
// The document's prompts to the user.

#include "platform/cad/Point.h"

#include <QString>
#include <optional>

namespace cad {

class Utility {
public:
    virtual ~Utility() = default;
    // Asks for a point, with a rubber band from `base` when given. Enter (no
    // point) raises err::NoPointGiven; Esc raises err::ExceptionOccurred.
    virtual Point getPoint(const std::optional<Point>& base, const QString& prompt) = 0;
};

}  // namespace cad
