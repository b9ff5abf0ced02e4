#include "platform/cad/standin/Purger.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/EntityBase.h"

#include <type_traits>

namespace standin {

namespace {

template <class Table, class Keep>
int purgeTable(Table& table, Keep keep)
{
    int removed = 0;
    const auto records = table.records();
    for (const auto& record : records) {
        if (keep(*record))
            continue;
        if constexpr (std::is_same_v<Table, BlockTable>)
            record->eraseAll();
        table.erase(record);
        ++removed;
    }
    return removed;
}

}  // namespace

int Purger::purgeOnce(Drawing& drawing)
{
    SymbolReferences used;
    for (const auto& entity : drawing.allEntities())
        entity->collectReferences(used);
    for (const auto& layer : drawing.layerTable().records())
        used.add(SymbolKind::Linetype, layer->rawLinetype());

    // Assumption: purging never removes layer "0", the current layer,
    // linetype "Continuous", the "Standard" styles, the spaces, external
    // references, or anything that belongs to an external reference.
    const auto named = [](const SymbolRecord& record, const QString& name) {
        return record.rawName().compare(name, Qt::CaseInsensitive) == 0;
    };
    int removed = 0;
    removed += purgeTable(drawing.blockTable(), [&](const Block& block) {
        return block.rawLayout() || block.rawXref() || block.isDependent()
               || used.contains(SymbolKind::Block, block.rawName());
    });
    removed += purgeTable(drawing.layerTable(), [&](const Layer& layer) {
        return named(layer, QStringLiteral("0")) || named(layer, drawing.currentLayer()) || layer.isDependent()
               || used.contains(SymbolKind::Layer, layer.rawName());
    });
    removed += purgeTable(drawing.linetypeTable(), [&](const Linetype& linetype) {
        return named(linetype, Drawing::ContinuousLinetype) || linetype.isDependent()
               || used.contains(SymbolKind::Linetype, linetype.rawName());
    });
    removed += purgeTable(drawing.textStyleTable(), [&](const TextStyle& style) {
        return named(style, Drawing::StandardStyle) || style.isDependent()
               || used.contains(SymbolKind::TextStyle, style.rawName());
    });
    removed += purgeTable(drawing.dimStyleTable(), [&](const DimStyle& style) {
        return named(style, Drawing::StandardStyle) || style.isDependent()
               || used.contains(SymbolKind::DimStyle, style.rawName());
    });
    return removed;
}

}  // namespace standin
