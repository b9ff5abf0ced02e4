#include "platform/cad/standin/XrefOperations.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/BlockReference.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingFile.h"
#include "platform/cad/standin/DrawingImporter.h"
#include "platform/cad/standin/ExternalReference.h"
#include "platform/cad/standin/Validate.h"
#include "platform/files/WinPath.h"

#include <type_traits>

namespace standin {

namespace {

bool dependsOn(const SymbolRecord& record, const QString& xref)
{
    return record.rawName().startsWith(xref + QLatin1Char('|'), Qt::CaseInsensitive);
}

void requireXref(const Block& block)
{
    // Assumption: Bind and Detach on a block that is not an external
    // reference are refused as invalid input.
    if (!block.rawXref())
        cad::raise(cad::err::InvalidInput, QStringLiteral("%1 is not an external reference").arg(block.rawName()));
}

// Renames or merges the table's entries that depend on the xref, noting the
// new names.
template <class Table>
void bindTable(Table& table, const QString& xref, bool prefixName, SymbolKind kind, SymbolRenames& renames)
{
    const auto records = table.records();
    for (const auto& record : records) {
        if (!dependsOn(*record, xref))
            continue;
        const QString rest = record->rawName().mid(xref.size() + 1);
        if (prefixName) {
            QString name;
            for (int n = 0;; ++n) {
                name = QStringLiteral("%1$%2$%3").arg(xref).arg(n).arg(rest);
                if (!table.find(name))
                    break;
            }
            renames.add(kind, record->rawName(), name);
            record->setRawName(name);
        } else if (const auto existing = table.find(rest)) {
            renames.add(kind, record->rawName(), existing->rawName());
            if constexpr (std::is_same_v<Table, BlockTable>)
                record->eraseAll();
            table.erase(record);
        } else {
            renames.add(kind, record->rawName(), rest);
            record->setRawName(rest);
        }
    }
}

template <class Table>
void eraseDependents(Table& table, const QString& xref)
{
    const auto records = table.records();
    for (const auto& record : records) {
        if (dependsOn(*record, xref)) {
            if constexpr (std::is_same_v<Table, BlockTable>)
                record->eraseAll();
            table.erase(record);
        }
    }
}

}  // namespace

std::shared_ptr<Block> XrefOperations::attach(Drawing& drawing, const QString& path, const QString& name,
                                              bool overlay)
{
    // Assumption: a name given as a path is taken as the file's base name,
    // the way a drawing inserted as a block is named.
    const bool hasFolder = name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/'))
                           || name.contains(QLatin1Char(':'));
    const QString blockName = hasFolder ? files::WinPath::baseName(name) : name;
    Validate::symbolName(blockName);
    if (std::shared_ptr<Block> existing = drawing.blockTable().find(blockName)) {
        // Assumption: a name already used by a block of the drawing's own is
        // refused with &H80200046; an xref of that name is referenced again.
        if (!existing->rawXref())
            cad::raise(cad::err::DuplicateRecordName, QStringLiteral("%1 is already a block").arg(blockName));
        return existing;
    }
    const std::shared_ptr<Drawing> source = DrawingFile::load(drawing.sharedContext(), path);
    std::shared_ptr<Block> block = DrawingImporter::copyInto(drawing, *source, blockName, blockName);
    block->setXref(true, overlay, path);
    return block;
}

void XrefOperations::bind(Drawing& drawing, Block& xref, bool prefixName)
{
    requireXref(xref);
    const QString name = xref.rawName();
    SymbolRenames renames;
    bindTable(drawing.linetypeTable(), name, prefixName, SymbolKind::Linetype, renames);
    bindTable(drawing.layerTable(), name, prefixName, SymbolKind::Layer, renames);
    bindTable(drawing.textStyleTable(), name, prefixName, SymbolKind::TextStyle, renames);
    bindTable(drawing.dimStyleTable(), name, prefixName, SymbolKind::DimStyle, renames);
    bindTable(drawing.blockTable(), name, prefixName, SymbolKind::Block, renames);
    for (const auto& layer : drawing.layerTable().records())
        layer->setRaw(layer->rawColor(), renames.apply(SymbolKind::Linetype, layer->rawLinetype()), layer->rawOn(),
                      layer->rawFrozen());
    drawing.setCurrentLayer(renames.apply(SymbolKind::Layer, drawing.currentLayer()));
    for (const auto& block : drawing.blockTable().records()) {
        const auto entities = block->entities();
        for (const auto& entity : entities) {
            entity->renameReferences(renames);
            // The references become ordinary block references.
            const auto* reference = dynamic_cast<const ExternalReference*>(entity.get());
            if (reference && reference->blockName().compare(name, Qt::CaseInsensitive) == 0) {
                auto plain = std::make_shared<BlockReference>(*reference);
                plain->setLayerName(reference->layerName());
                block->replaceEntity(reference, plain);
            }
        }
    }
    xref.setXref(false, false, QString());
}

void XrefOperations::detach(Drawing& drawing, Block& xref)
{
    requireXref(xref);
    const QString name = xref.rawName();
    for (const auto& block : drawing.blockTable().records()) {
        const auto entities = block->entities();
        for (const auto& entity : entities) {
            const auto* reference = dynamic_cast<const BlockReference*>(entity.get());
            if (reference && reference->blockName().compare(name, Qt::CaseInsensitive) == 0) {
                block->detachEntity(reference);
                entity->markErased();
            }
        }
    }
    eraseDependents(drawing.blockTable(), name);
    eraseDependents(drawing.textStyleTable(), name);
    eraseDependents(drawing.dimStyleTable(), name);
    eraseDependents(drawing.layerTable(), name);
    eraseDependents(drawing.linetypeTable(), name);
    if (!drawing.layerTable().find(drawing.currentLayer()))
        drawing.setCurrentLayer(QStringLiteral("0"));
    xref.eraseAll();
    drawing.blockTable().erase(xref.shared_from_this());
}

}  // namespace standin
