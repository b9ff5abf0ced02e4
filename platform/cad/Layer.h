#pragma once
// A layer of a drawing: name, colour (host colour index 1 to 255), linetype,
// frozen and on/off state.

#include <QString>

namespace cad {

class Layer {
public:
    virtual ~Layer() = default;
    virtual QString name() const = 0;
    virtual int color() const = 0;
    virtual void setColor(int color) = 0;
    virtual QString linetype() const = 0;
    virtual void setLinetype(const QString& linetype) = 0;
    virtual bool freeze() const = 0;
    virtual void setFreeze(bool frozen) = 0;
    virtual bool layerOn() const = 0;
    virtual void setLayerOn(bool on) = 0;
};

}  // namespace cad
