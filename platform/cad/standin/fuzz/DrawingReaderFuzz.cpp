// Feeds arbitrary bytes to the drawing reader, as a drawing file from anywhere
// would be: whatever the bytes, reading either raises the host's
// damaged-drawing error or gives a whole drawing. A drawing that reads is
// written back and reads again to the very same file, also with a thumbnail
// in its head; every entity hands a
// view its shape and describes itself; and a purge leaves a drawing that
// still writes and reads.
#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingReader.h"
#include "platform/cad/standin/DrawingWriter.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/Purger.h"
#include "platform/cad/standin/Shapes.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>

namespace {

// Reads what a view reads: the texts a view would measure and draw.
class Viewer : public standin::ShapeVisitor {
public:
    void text(const standin::EntityBase&, const standin::TextShape& s) override { seen += s.text.size(); }
    void dimension(const standin::EntityBase&, const standin::DimensionShape& s) override { seen += s.text.size(); }
    void blockReference(const standin::EntityBase&, const standin::BlockReferenceShape& s) override
    {
        seen += qsizetype(s.attributes.size());
    }
    void hatch(const standin::EntityBase&, const standin::HatchShape& s) override { seen += qsizetype(s.boundary.size()); }

    qsizetype seen = 0;
};

std::shared_ptr<standin::Drawing> mustRead(const std::shared_ptr<standin::HostContext>& context,
                                           const QByteArray& bytes)
{
    try {
        return standin::DrawingReader::read(context, bytes);
    } catch (const runtime::Error&) {
        std::abort();  // the stand-in's own file failed to read
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static files::FileSystem files{files::DriveTable()};
    static const auto context = std::make_shared<standin::HostContext>(files);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    std::shared_ptr<standin::Drawing> drawing;
    try {
        drawing = standin::DrawingReader::read(context, bytes);
    } catch (const runtime::Error& error) {
        if (error.number() != cad::err::ExceptionOccurred)
            std::abort();
        return 0;
    }

    const QByteArray written = standin::DrawingWriter::write(*drawing);
    if (standin::DrawingWriter::write(*mustRead(context, written)) != written)
        std::abort();
    // A thumbnail whose size comes from the input, rows of every padding.
    QImage thumbnail(1 + int(size % 7), 1 + int(size % 5), QImage::Format_Indexed8);
    thumbnail.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    thumbnail.fill(1);
    const QByteArray pictured = standin::DrawingWriter::write(*drawing, thumbnail);
    if (standin::DrawingWriter::write(*mustRead(context, pictured), thumbnail) != pictured)
        std::abort();

    Viewer viewer;
    for (const auto& entity : drawing->allEntities()) {
        entity->accept(viewer);
        viewer.seen += entity->describe().size();
    }

    while (standin::Purger::purgeOnce(*drawing) > 0) {
    }
    mustRead(context, standin::DrawingWriter::write(*drawing));
    return 0;
}
