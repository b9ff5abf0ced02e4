#pragma once
// The browser's two readings of a clicked drawing: its thumbnail into the
// preview box and its release name for the "Version:" label. A thumbnail that
// cannot be shown never leaves the previous drawing's in the box.

#include <QString>

namespace env { struct Environment; }

namespace fentrow {

class PreviewBox;

class MdlDwgPreview {
public:
    // Shows the drawing's thumbnail, or "No Preview" when it has none or
    // cannot be read; a file that cannot be read, or whose head points outside
    // it, is also said in a box.
    static void ShowDwgPreview(env::Environment& env, const QString& path, PreviewBox& pic);

    // The release name of the drawing's tag; "Unknown" when the file is
    // missing or its tag cannot be read.
    static QString DwgRelease(env::Environment& env, const QString& path);
};

}  // namespace fentrow
