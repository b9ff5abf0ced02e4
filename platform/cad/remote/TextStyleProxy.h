#pragma once
// A text style of a drawing in the host, as a tool holds it.

#include "platform/cad/TextStyle.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class TextStyleProxy : public cad::TextStyle, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString name() const override { return call(&cad::TextStyle::name); }
};

}  // namespace remote
