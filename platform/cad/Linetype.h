#pragma once
// A linetype loaded into a drawing.

#include <QString>

namespace cad {

class Linetype {
public:
    virtual ~Linetype() = default;
    virtual QString name() const = 0;
    virtual QString description() const = 0;
};

}  // namespace cad
