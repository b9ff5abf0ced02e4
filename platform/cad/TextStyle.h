#pragma once
// A text style of a drawing (texts refer to it by name).

#include <QString>

namespace cad {

class TextStyle {
public:
    virtual ~TextStyle() = default;
    virtual QString name() const = 0;
};

}  // namespace cad
