#pragma once
// The 16 x 16 pictures of the file list's buttons, drawn rather than loaded so
// the suite carries no image files.

#include <QIcon>

namespace suite {

class EditableFileListIcons {
public:
    // A blank sheet: the list starts afresh.
    static QIcon clearAll();
    // A red cross.
    static QIcon remove();
    static QIcon up();
    static QIcon down();
};

}  // namespace suite
