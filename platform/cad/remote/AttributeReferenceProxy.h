#pragma once
// An attribute of a block reference in the host, as a tool holds it.

#include "platform/cad/AttributeReference.h"
#include "platform/cad/remote/EntityProxy.h"

namespace remote {

class AttributeReferenceProxy : public cad::AttributeReference, public EntityProxy {
public:
    using EntityProxy::EntityProxy;

    QString tagString() const override { return call(&cad::AttributeReference::tagString); }
    void setTagString(const QString& tag) override { return call(&cad::AttributeReference::setTagString, tag); }
};

}  // namespace remote
