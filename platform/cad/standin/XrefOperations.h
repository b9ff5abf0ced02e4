#pragma once
// External references of a stand-in drawing: attaching one (its definition
// holds a copy of the file's model space taken at attach time; the stand-in
// does not reload it), binding it into the drawing, detaching it.

#include <QString>
#include <memory>

namespace standin {

class Block;
class Drawing;

class XrefOperations {
public:
    // The definition for an external reference named `name` to `path`: the
    // existing one of that name, or a new one read from the file.
    static std::shared_ptr<Block> attach(Drawing& drawing, const QString& path, const QString& name, bool overlay);

    // Makes the xref an ordinary block. With prefixName its named objects
    // "X|name" become "X$0$name" (the lowest free number); without it they
    // become "name", merging into an existing object of that name.
    static void bind(Drawing& drawing, Block& xref, bool prefixName);

    // Removes the definition, every reference to it, and its named objects.
    static void detach(Drawing& drawing, Block& xref);
};

}  // namespace standin
