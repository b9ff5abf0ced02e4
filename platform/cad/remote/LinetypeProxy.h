#pragma once
// A linetype of a drawing in the host, as a tool holds it.

#include "platform/cad/Linetype.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class LinetypeProxy : public cad::Linetype, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::Linetype::name); }
    QString description() const override { return call(&cad::Linetype::description); }
};

}  // namespace remote
