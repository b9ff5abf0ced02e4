#include "platform/cad/standin/DrawingImporter.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingFile.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/Validate.h"
#include "platform/files/WinPath.h"

namespace standin {

namespace {

// The name an object gets in the target, and whether it must be added there.
QString mapped(const QString& prefix, const QString& name, bool shared)
{
    if (prefix.isEmpty() || shared)
        return name;
    return prefix + QLatin1Char('|') + name;
}

template <class Table, class Make>
void carryOver(Table& target, const Table& source, const QString& prefix, SymbolKind kind, SymbolRenames& renames,
               const QString& sharedName, Make make)
{
    for (const auto& entry : source.records()) {
        const bool shared = entry->rawName().compare(sharedName, Qt::CaseInsensitive) == 0;
        const QString name = mapped(prefix, entry->rawName(), shared);
        renames.add(kind, entry->rawName(), name);
        if (!target.find(name))
            target.insert(make(*entry, name));
    }
}

}  // namespace

bool DrawingImporter::isFilePath(const QString& name)
{
    return name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char(':'))
           || name.endsWith(QLatin1String(".dwg"), Qt::CaseInsensitive);
}

std::shared_ptr<Block> DrawingImporter::blockFor(Drawing& target, const QString& name)
{
    if (!isFilePath(name)) {
        std::shared_ptr<Block> block = target.blockTable().find(name);
        if (!block)
            cad::raise(cad::err::KeyNotFound, QStringLiteral("no block %1").arg(name));
        return block;
    }
    const QString blockName = files::WinPath::baseName(name);
    Validate::symbolName(blockName);
    if (std::shared_ptr<Block> existing = target.blockTable().find(blockName)) {
        // Assumption: a drawing inserted under the name of a block the drawing
        // has already uses that block as it is (no redefinition); an external
        // reference of that name is a conflict.
        if (existing->rawXref())
            cad::raise(cad::err::DuplicateRecordName,
                       QStringLiteral("%1 is an external reference").arg(blockName));
        return existing;
    }
    const std::shared_ptr<Drawing> source = DrawingFile::load(target.sharedContext(), name);
    return copyInto(target, *source, blockName, QString());
}

std::shared_ptr<Block> DrawingImporter::copyInto(Drawing& target, const Drawing& source, const QString& blockName,
                                                 const QString& prefix)
{
    const std::weak_ptr<Drawing> weak = target.weak_from_this();
    SymbolRenames renames;
    carryOver(target.linetypeTable(), source.linetypeTable(), prefix, SymbolKind::Linetype, renames,
              Drawing::ContinuousLinetype, [&](const Linetype& from, const QString& name) {
                  auto copy = std::make_shared<Linetype>(weak, name);
                  copy->setRaw(from.rawDescription(), from.rawPattern());
                  return copy;
              });
    carryOver(target.layerTable(), source.layerTable(), prefix, SymbolKind::Layer, renames, QStringLiteral("0"),
              [&](const Layer& from, const QString& name) {
                  auto copy = std::make_shared<Layer>(weak, name);
                  copy->setRaw(from.rawColor(), renames.apply(SymbolKind::Linetype, from.rawLinetype()),
                               from.rawOn(), from.rawFrozen());
                  return copy;
              });
    // Styles have no shared name: an xref's "Standard" is its own.
    carryOver(target.textStyleTable(), source.textStyleTable(), prefix, SymbolKind::TextStyle, renames, QString(),
              [&](const TextStyle&, const QString& name) { return std::make_shared<TextStyle>(weak, name); });
    carryOver(target.dimStyleTable(), source.dimStyleTable(), prefix, SymbolKind::DimStyle, renames, QString(),
              [&](const DimStyle&, const QString& name) { return std::make_shared<DimStyle>(weak, name); });

    std::vector<std::pair<std::shared_ptr<Block>, std::shared_ptr<Block>>> blocks;
    for (const auto& from : source.blockTable().records()) {
        if (from->rawLayout())
            continue;
        const QString name = mapped(prefix, from->rawName(), false);
        renames.add(SymbolKind::Block, from->rawName(), name);
        if (!target.blockTable().find(name))
            blocks.emplace_back(from, target.blockTable().create(name, from->origin()));
    }
    const auto copyEntities = [&](const Block& from, Block& to) {
        for (const auto& entity : from.entities()) {
            std::shared_ptr<EntityBase> copy = entity->clone();
            copy->renameReferences(renames);
            to.append(copy);
        }
    };
    for (const auto& [from, to] : blocks)
        copyEntities(*from, *to);
    std::shared_ptr<Block> block = target.blockTable().create(blockName);
    copyEntities(*source.modelSpace(), *block);
    target.touch();
    return block;
}

}  // namespace standin
