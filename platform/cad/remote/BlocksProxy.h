#pragma once
// The block table of a drawing in the host, as a tool holds it.

#include "platform/cad/Blocks.h"
#include "platform/cad/remote/CollectionProxy.h"

namespace remote {

class BlocksProxy : public CollectionProxy<cad::Blocks, cad::Block> {
public:
    using CollectionProxy::CollectionProxy;

    std::shared_ptr<cad::Block> add(const cad::Point& origin, const QString& name) override { return call(&cad::Blocks::add, origin, name); }
};

}  // namespace remote
