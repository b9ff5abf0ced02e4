#pragma once
// Draws the thumbnail a saved drawing carries in its file's head. The stand-in
// itself draws nothing: the host program hands its context a maker that paints
// with the same painter as its drawing view, so the stand-in stays free of any
// rendering code and its tests of the file format stay independent of it.

#include <QImage>

namespace standin {

class Drawing;

class ThumbnailMaker {
public:
    virtual ~ThumbnailMaker() = default;
    // The drawing's thumbnail as an 8-bit image of palette indexes
    // (QImage::Format_Indexed8, at most 256 colours); a null image when there
    // is none to give. It must not change the drawing.
    virtual QImage thumbnail(const Drawing& drawing) const = 0;
};

}  // namespace standin
