#include "platform/cad/standin/DrawingFile.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingReader.h"
#include "platform/cad/standin/DrawingWriter.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/ThumbnailMaker.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

namespace standin {

QString DrawingFile::locate(const files::FileSystem& files, const QString& path)
{
    if (path.isEmpty())
        return QString();
    if (files.fileExists(path))
        return path;
    if (files::WinPath::extension(path).isEmpty() && files.fileExists(path + QStringLiteral(".dwg")))
        return path + QStringLiteral(".dwg");
    return QString();
}

QString DrawingFile::withExtension(const QString& path)
{
    return files::WinPath::extension(path).isEmpty() ? path + QStringLiteral(".dwg") : path;
}

std::shared_ptr<Drawing> DrawingFile::load(const std::shared_ptr<HostContext>& context, const QString& path)
{
    const QString found = locate(context->files(), path);
    if (found.isEmpty())
        // The path on a line of its own: a box wraps long lines, and a path
        // broken after its drive letter is hard to read.
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("cannot find the drawing:\r\n%1").arg(path));
    QByteArray bytes;
    try {
        bytes = context->files().readAll(found);
    } catch (const runtime::Error& error) {
        cad::raise(cad::err::ExceptionOccurred,
                   QStringLiteral("cannot read the drawing %1 (%2)").arg(path, error.description()));
    }
    return DrawingReader::read(context, bytes);
}

void DrawingFile::save(const Drawing& drawing, const QString& path)
{
    const ThumbnailMaker* maker = drawing.context().thumbnailMaker();
    const QByteArray bytes = DrawingWriter::write(drawing, maker ? maker->thumbnail(drawing) : QImage());
    try {
        drawing.context().files().writeAll(path, bytes);
    } catch (const runtime::Error& error) {
        // Assumption: a save the file system refuses (missing folder, no
        // right to write) is the host's general exception error.
        cad::raise(cad::err::ExceptionOccurred,
                   QStringLiteral("cannot save the drawing %1 (%2)").arg(path, error.description()));
    }
}

}  // namespace standin
