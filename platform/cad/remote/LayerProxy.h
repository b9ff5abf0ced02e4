#pragma once
// A layer of a drawing in the host, as a tool holds it.

#include "platform/cad/Layer.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class LayerProxy : public cad::Layer, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::Layer::name); }
    int color() const override { return call(&cad::Layer::color); }
    void setColor(int color) override { return call(&cad::Layer::setColor, color); }
    QString linetype() const override { return call(&cad::Layer::linetype); }
    void setLinetype(const QString& linetype) override { return call(&cad::Layer::setLinetype, linetype); }
    bool freeze() const override { return call(&cad::Layer::freeze); }
    void setFreeze(bool frozen) override { return call(&cad::Layer::setFreeze, frozen); }
    bool layerOn() const override { return call(&cad::Layer::layerOn); }
    void setLayerOn(bool on) override { return call(&cad::Layer::setLayerOn, on); }
};

}  // namespace remote
