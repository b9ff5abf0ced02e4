#pragma once
// The binary head of a stand-in drawing file, laid out like the real file's
// so that header readers (release tag, preview image) work on it:
//   offset 0   6 bytes  release tag "AC1015"
//   offset 13  int32 LE offset S of the image block
//   at S       16 sentinel bytes, int32 LE size, 1-byte record count N,
//              then N records of 9 bytes {code, int32 start, int32 size}
// The stand-in writes no image (N = 0). The text body follows the image
// block (and any image data a record points past it).

#include <QByteArray>

namespace standin {

class DrawingHead {
public:
    static const QByteArray ReleaseTag;
    static constexpr int ImageBlockOffset = 32;

    static QByteArray build();
    // Where the text body starts; raises the damaged-drawing error when the
    // head is not one the stand-in can read.
    static qsizetype bodyOffset(const QByteArray& file);
};

}  // namespace standin
