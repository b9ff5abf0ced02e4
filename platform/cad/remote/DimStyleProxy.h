#pragma once
// A dimension style of a drawing in the host, as a tool holds it.

#include "platform/cad/DimStyle.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class DimStyleProxy : public cad::DimStyle, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::DimStyle::name); }
};

}  // namespace remote
