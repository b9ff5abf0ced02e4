#pragma once
// A paper-space viewport: the window through which a layout shows model space,
// at its own scale (paper units per model unit).

#include "platform/cad/Entity.h"

namespace cad {

class PViewport : public virtual Entity {
public:
    virtual double customScale() const = 0;
    virtual void setCustomScale(double scale) = 0;
    // Turns the viewport on (true) or off.
    virtual void display(bool on) = 0;
};

}  // namespace cad
