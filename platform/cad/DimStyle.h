#pragma once
// A dimension style of a drawing (dimensions and leaders refer to it by name).

#include <QString>

namespace cad {

class DimStyle {
public:
    virtual ~DimStyle() = default;
    virtual QString name() const = 0;
};

}  // namespace cad
