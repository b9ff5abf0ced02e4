#include "platform/cad/standin/BlockTable.h"

#include "platform/cad/standin/JournalText.h"

namespace standin {

std::shared_ptr<cad::Block> BlockTable::add(const cad::Point& origin, const QString& name)
{
    change(QStringLiteral("Blocks.Add"), name + QLatin1Char(' ') + JournalText::point(origin));
    if (std::shared_ptr<Block> existing = find(name))
        return existing;
    Validate::symbolName(name);
    return create(name, origin);
}

std::shared_ptr<Block> BlockTable::create(const QString& name, const cad::Point& origin)
{
    auto block = std::make_shared<Block>(weakDrawing(), name);
    block->setOrigin(origin);
    insert(block);
    return block;
}

}  // namespace standin
