#pragma once
// The binary head of a stand-in drawing file, laid out like the real file's
// so that header readers (release tag, preview image) work on it:
//   offset 0   6 bytes  release tag "AC1015"
//   offset 13  int32 LE offset S of the image block
//   at S       16 sentinel bytes, int32 LE size of what follows, 1-byte record
//              count N, then N records of 9 bytes {code, int32 start, int32
//              size}, then the records' data
// A drawing without a thumbnail has N = 0. One with a thumbnail has a header
// data record (code 1) and a bitmap record (code 2): the bitmap's 40-byte
// header (width, height, 8 bits per pixel), its 256-entry palette (blue,
// green, red, unused) and its rows of palette indexes, bottom row first, each
// padded to a multiple of 4 bytes. The text body follows the image data.

#include <QByteArray>
#include <QImage>

namespace standin {

class DrawingHead {
public:
    static const QByteArray ReleaseTag;
    static constexpr int ImageBlockOffset = 32;
    // The largest thumbnail side written; a larger image is left out.
    static constexpr int LargestThumbnailSide = 1024;

    // The head, with the thumbnail when one is given (an image of another
    // format than 8-bit indexed is reduced to 256 colours first).
    static QByteArray build(const QImage& thumbnail = QImage());
    // Where the text body starts; raises the damaged-drawing error when the
    // head is not one the stand-in can read.
    static qsizetype bodyOffset(const QByteArray& file);
};

}  // namespace standin
