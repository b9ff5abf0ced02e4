#pragma once
// The block table of a stand-in drawing: model space, paper space, then
// blocks and external references in the order they were defined.

#include "platform/cad/Blocks.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/SymbolTable.h"

namespace standin {

class BlockTable : public SymbolTable<cad::Block, Block, cad::Blocks> {
public:
    explicit BlockTable(std::weak_ptr<Drawing> drawing)
        : SymbolTable(std::move(drawing), QStringLiteral("Blocks"))
    {
    }

    std::shared_ptr<cad::Block> add(const cad::Point& origin, const QString& name) override;

    // A new block of that name at the end of the table; the caller has
    // checked the name.
    std::shared_ptr<Block> create(const QString& name, const cad::Point& origin = {});
};

}  // namespace standin
