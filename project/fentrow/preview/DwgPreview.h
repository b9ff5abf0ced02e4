#pragma once
// Reads the two things the browser shows of a drawing straight from the
// drawing file's bytes, without the CAD host: the thumbnail the host stores in
// the file's head, as an image, and the release its six-character tag names.
// It only reads, and it trusts nothing in the file: every offset and size is
// checked against the file's length in 64-bit arithmetic before it is used.
//
// The layout read (releases R13 to R15; offsets from the start of the file,
// integers little-endian; the host writes its thumbnails exactly so):
//
//   offset 0       6 bytes   release tag, 8-bit characters ("AC1015")
//   offset 13      int32     S, the offset of the image block
//   S              16 bytes  sentinel (not checked)
//   S + 16         int32     overall size of the image data (not checked)
//   S + 20         uint8     N, the number of image records
//   S + 21         9 x N     records: uint8 code (1 header data, 2 bitmap,
//                            3 metafile), int32 start, int32 size of its data
//
//   The records are read in order: a metafile record ends the search, a
//   bitmap record is the thumbnail, any other record is passed by. A file
//   whose N is 0 or 1 holds no thumbnail.
//
//   The bitmap record's data, from start to start + size:
//   start          40 bytes  bitmap header: int32 width at +4, int32 height at
//                            +8 (rows bottom up), uint16 bits per pixel at +14
//   start + 40     1024      palette: 256 entries of blue, green, red, unused
//   ...            the pixel rows take the last height x stride bytes of the
//                  record (stride = width rounded up to a multiple of 4), the
//                  bottom row first; the first width bytes of a row are the
//                  palette indexes of its pixels. The rows must lie after the
//                  palette.
//
// A thumbnail is shown with its palette's colours, except that pure black is
// shown white and pure white black (the host draws light lines on a dark
// background). Only 8 bits per pixel, a positive width and a positive height
// are shown; any other bitmap, like a file with no bitmap record, shows as no
// preview. A file too short for what its head points to is damaged.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace fentrow {

class DwgPreview {
public:
    enum class Kind {
        Image,      // the thumbnail, in image
        NoPreview,  // the file holds none this reader shows
        Damaged,    // the head points outside the file; problem says where
    };

    struct Result {
        Kind kind = Kind::NoPreview;
        QImage image;
        QString problem;
    };

    // What the thumbnail of the file's bytes is.
    static Result read(const QByteArray& file);

    // The release name of the tag the bytes start with: "R13", "R14", "R15",
    // or "Unknown" for any other tag or a file shorter than a tag.
    static QString release(const QByteArray& head);
    static constexpr int TagLength = 6;
};

}  // namespace fentrow
