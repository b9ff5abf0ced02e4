#pragma once
// The selection sets of a document in the host, as a tool holds them.

#include "platform/cad/SelectionSets.h"
#include "platform/cad/remote/CollectionProxy.h"

namespace remote {

class SelectionSetsProxy : public CollectionProxy<cad::SelectionSets, cad::SelectionSet> {
public:
    using CollectionProxy::CollectionProxy;

    std::shared_ptr<cad::SelectionSet> add(const QString& name) override { return call(&cad::SelectionSets::add, name); }
};

}  // namespace remote
