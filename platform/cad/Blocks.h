#pragma once
// The block table of a drawing: model space, paper space, then the blocks and
// external references in the order they were defined.

#include "platform/cad/Block.h"
#include "platform/cad/Collection.h"

namespace cad {

class Blocks : public Collection<Block> {
public:
    // The block of that name, or a new empty one with that base point.
    virtual std::shared_ptr<Block> add(const Point& origin, const QString& name) = 0;
};

}  // namespace cad
