#include "layers/sodrin/LayerFile.h"

#include "platform/files/FileSystem.h"
#include "platform/files/TextEncoding.h"
#include "platform/files/TextLines.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/Error.h"

namespace sodrin {

namespace {
constexpr QChar Comma = u',';
}  // namespace

QStringList LayerFile::read(files::FileSystem& files, const QString& path)
{
    // An empty path would name the current folder rather than a file.
    if (path.isEmpty())
        runtime::raise(runtime::err::BadFileNameOrNumber);
    return lines(files.readAll(path));
}

QStringList LayerFile::lines(const QByteArray& bytes)
{
    return files::TextLines::split(files::TextEncoding::decode(bytes).text);
}

std::optional<QString> LayerFile::name(const QString& line)
{
    const qsizetype first = line.indexOf(Comma);
    if (first < 0)
        return std::nullopt;
    return line.left(first);
}

std::optional<LayerDefinition> LayerFile::definition(const QString& line)
{
    const qsizetype first = line.indexOf(Comma);
    if (first < 0)
        return std::nullopt;
    const qsizetype second = line.indexOf(Comma, first + 1);
    if (second < 0)
        return std::nullopt;
    const qsizetype third = line.indexOf(Comma, second + 1);
    if (third < 0)
        return std::nullopt;
    LayerDefinition definition;
    definition.name = line.left(first);
    try {
        definition.colour = runtime::toInt32(line.mid(first + 1, second - first - 1));
    } catch (const runtime::Error&) {
        return std::nullopt;
    }
    definition.linetype = line.mid(second + 1, third - second - 1);
    return definition;
}

std::optional<QStringList> LayerFile::menuNames(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines) {
        if (names.size() == MenuEntries)
            break;
        const std::optional<QString> field = name(line);
        if (!field)
            return std::nullopt;
        names.append(*field);
    }
    return names;
}

bool LayerFile::createNamed(const QStringList& lines, const QString& wanted, const Create& create)
{
    for (const QString& line : lines) {
        const std::optional<QString> field = name(line);
        if (!field)
            return false;
        if (*field != wanted)
            continue;
        const std::optional<LayerDefinition> found = definition(line);
        if (!found)
            return false;
        create(*found);
    }
    return true;
}

bool LayerFile::createAll(const QStringList& lines, const Create& create)
{
    for (const QString& line : lines) {
        const std::optional<LayerDefinition> found = definition(line);
        if (!found)
            return false;
        create(*found);
    }
    return true;
}

}  // namespace sodrin
