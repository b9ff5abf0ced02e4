#pragma once
// A point typed as text the way the host's command line takes it: "x,y" or
// "x,y,z", blanks allowed around the numbers.

#include "platform/cad/Point.h"

#include <QString>
#include <optional>

namespace standin {

class PointText {
public:
    // Nothing for text that is not two or three numbers separated by commas.
    static std::optional<cad::Point> parse(const QString& text);
};

}  // namespace standin
