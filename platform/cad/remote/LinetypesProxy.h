#pragma once
// The linetype table of a drawing in the host, as a tool holds it.

#include "platform/cad/Linetypes.h"
#include "platform/cad/remote/TableProxy.h"

namespace remote {

class LinetypesProxy : public TableProxy<cad::Linetypes, cad::Linetype> {
public:
    using TableProxy::TableProxy;

    void load(const QString& name, const QString& fileName) override { return call(&cad::Linetypes::load, name, fileName); }
};

}  // namespace remote
