#pragma once
// Turns a drawing into the bytes of a stand-in drawing file: the binary head,
// then the text body, one record per line (see RecordWriter):
//   STANDIN-DRAWING 1           format name and version
//   VAR name type value         drawing variables (type I, D or S)
//   LTYPE / LAYER / TSTYLE / DSTYLE   table entries
//   BLOCK name origin layout xref overlay path ... ENDBLOCK, entities between
//   LAYOUT name and plot settings
//   STATE current layer, active viewport handle, model space in viewport
//   END
// An entity's record starts with its kind's keyword (see EntityKinds), its
// handle and its layer. Fields a record gained after the format's first
// version (a text's rotation, a viewport's view centre) stand at its end and
// may be missing from the files of earlier stand-ins; they then take their
// defaults.

#include <QByteArray>
#include <QImage>

namespace standin {

class Drawing;

class DrawingWriter {
public:
    static const QString Format;
    static constexpr int Version = 1;

    // The file's bytes, with the thumbnail in the head when one is given.
    static QByteArray write(const Drawing& drawing, const QImage& thumbnail = QImage());
};

}  // namespace standin
