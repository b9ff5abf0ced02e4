#pragma once
// The selection sets of a document. Add of a name already in use raises
// DuplicateRecordName.

#include "platform/cad/Collection.h"
#include "platform/cad/SelectionSet.h"

namespace cad {

class SelectionSets : public Collection<SelectionSet> {
public:
    virtual std::shared_ptr<SelectionSet> add(const QString& name) = 0;
};

}  // namespace cad
