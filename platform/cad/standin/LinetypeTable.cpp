#include "platform/cad/standin/LinetypeTable.h"

#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/LinetypeCatalogue.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

namespace standin {

LinetypeTable::LinetypeTable(std::weak_ptr<Drawing> drawing)
    : NamedTable(std::move(drawing), QStringLiteral("Linetypes"))
{
}

void LinetypeTable::load(const QString& name, const QString& fileName)
{
    const auto drawing = change(QStringLiteral("Linetypes.Load"), name + QLatin1Char(' ') + fileName);
    // Assumption: loading a linetype the drawing has already is refused as a
    // duplicate, which is why the tools test for it first.
    if (find(name))
        cad::raise(cad::err::DuplicateRecordName, QStringLiteral("linetype %1 is already loaded").arg(name));
    const QString path = findCatalogue(*drawing, fileName);
    const LinetypeCatalogue catalogue = LinetypeCatalogue::parse(drawing->context().files().readText(path));
    const LinetypeDefinition* definition = catalogue.find(name);
    // Assumption: a name the catalogue does not define is refused as invalid
    // input.
    if (!definition)
        cad::raise(cad::err::InvalidInput, QStringLiteral("linetype %1 is not in %2").arg(name, fileName));
    auto linetype = std::make_shared<Linetype>(weakDrawing(), definition->name);
    linetype->setRaw(definition->description, definition->pattern);
    insert(linetype);
}

QString LinetypeTable::findCatalogue(const Drawing& drawing, const QString& fileName) const
{
    files::FileSystem& files = drawing.context().files();
    const bool hasFolder = fileName.contains(QLatin1Char('\\')) || fileName.contains(QLatin1Char('/'))
                           || files::WinPath::hasDrive(fileName);
    if (hasFolder) {
        if (files.fileExists(fileName))
            return fileName;
    } else {
        const QStringList folders =
            drawing.context().profile().supportPath.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& folder : folders) {
            const QString candidate = files::WinPath::join(folder.trimmed(), fileName);
            if (files.fileExists(candidate))
                return candidate;
        }
    }
    // Assumption: a catalogue file not found on the support path is the
    // host's general exception error.
    cad::raise(cad::err::ExceptionOccurred, QStringLiteral("cannot find the linetype file %1").arg(fileName));
}

}  // namespace standin
