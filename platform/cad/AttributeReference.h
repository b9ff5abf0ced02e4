#pragma once
// An attribute of a block reference: its tag and its text. It is an entity, so
// the entity members (layer, height, ...) reach it too.

#include "platform/cad/Entity.h"

namespace cad {

class AttributeReference : public virtual Entity {
public:
    virtual QString tagString() const = 0;
    virtual void setTagString(const QString& tag) = 0;
};

}  // namespace cad
