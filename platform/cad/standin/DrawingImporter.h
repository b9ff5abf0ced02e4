#pragma once
// Brings another drawing's model space into a drawing as a block: for a block
// inserted from a file (its layers, linetypes, styles and blocks join the
// drawing's own, an existing name winning), and for an external reference
// (everything it carries is named "XREF|name", kept apart from the drawing's
// own objects).

#include <QString>
#include <memory>

namespace standin {

class Block;
class Drawing;

class DrawingImporter {
public:
    // True when a block name given to InsertBlock is a drawing file's path.
    static bool isFilePath(const QString& name);

    // The block a reference to `name` uses: the drawing's block of that name,
    // or, for a drawing file's path, a block named after the file (made from
    // the file unless the drawing already has it). KeyNotFound for an unknown
    // block name.
    static std::shared_ptr<Block> blockFor(Drawing& target, const QString& name);

    // A new block `blockName` holding a copy of the source's model space.
    // With a prefix the source's named objects come over as "prefix|name"
    // (layer "0" and linetype "Continuous" stay shared); without one, those
    // the target lacks are added under their own names.
    static std::shared_ptr<Block> copyInto(Drawing& target, const Drawing& source, const QString& blockName,
                                           const QString& prefix);
};

}  // namespace standin
