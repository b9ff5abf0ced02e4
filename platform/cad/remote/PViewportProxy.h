#pragma once
// A paper-space viewport of the host, as a tool holds it.

#include "platform/cad/PViewport.h"
#include "platform/cad/remote/EntityProxy.h"

namespace remote {

class PViewportProxy : public cad::PViewport, public EntityProxy {
public:
    using EntityProxy::EntityProxy;

    double customScale() const override { return call(&cad::PViewport::customScale); }
    void setCustomScale(double scale) override { return call(&cad::PViewport::setCustomScale, scale); }
    void display(bool on) override { return call(&cad::PViewport::display, on); }
};

}  // namespace remote
