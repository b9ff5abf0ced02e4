#pragma once
// The linetype table; Load brings a linetype in from a linetype catalogue file
// found on the host's support path.

#include "platform/cad/Collection.h"
#include "platform/cad/Linetype.h"

namespace cad {

class Linetypes : public Table<Linetype> {
public:
    virtual void load(const QString& name, const QString& fileName) = 0;
};

}  // namespace cad
