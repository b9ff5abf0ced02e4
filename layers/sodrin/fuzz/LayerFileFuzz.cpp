// Feeds arbitrary file contents to the layer-file readers: whatever the
// bytes, no reader fails; the menu holds at most 36 names; every line a reader
// hands on is one it took apart whole (its name and linetype lie between the
// line's commas, its colour is a number); the single pick hands on only lines
// of the picked name; a reader that says the file is well formed handed on
// every line it was after.
#include "layers/sodrin/LayerFile.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using sodrin::LayerDefinition;
using sodrin::LayerFile;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkTakenApart(const QStringList& lines, const LayerDefinition& definition)
{
    check(!definition.name.contains(u','));
    check(!definition.linetype.contains(u','));
    bool fromALine = false;
    for (const QString& line : lines)
        fromALine = fromALine || line.startsWith(definition.name + u',');
    check(fromALine);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = LayerFile::lines(bytes);

    if (const auto names = LayerFile::menuNames(lines)) {
        check(names->size() <= LayerFile::MenuEntries);
        check(names->size() == std::min<qsizetype>(lines.size(), LayerFile::MenuEntries));
    }

    int handed = 0;
    const bool all = LayerFile::createAll(lines, [&](const LayerDefinition& definition) {
        checkTakenApart(lines, definition);
        ++handed;
    });
    check(!all || handed == lines.size());
    check(all || handed < lines.size());

    const QString wanted = lines.isEmpty() ? QString() : LayerFile::name(lines.first()).value_or(QString());
    int named = 0;
    const bool pick = LayerFile::createNamed(lines, wanted, [&](const LayerDefinition& definition) {
        check(definition.name == wanted);
        checkTakenApart(lines, definition);
        ++named;
    });
    // A file the run over all lines takes is one the pick takes too, and
    // then the pick handed on every line of its name.
    if (all) {
        check(pick);
        const auto ofThatName = std::count_if(lines.begin(), lines.end(), [&](const QString& line) {
            return line.startsWith(wanted + u',');
        });
        check(named == ofThatName);
    }
    return 0;
}
