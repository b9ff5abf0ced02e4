#pragma once
// PurgeAll: removes the named objects nothing refers to, one level per call.
// What an object about to be purged refers to still counts as referenced, so
// a block used only inside an unused block, or a layer used only by such a
// block's entities, goes in a later call.

namespace standin {

class Drawing;

class Purger {
public:
    // Returns the number of objects removed.
    static int purgeOnce(Drawing& drawing);
};

}  // namespace standin
