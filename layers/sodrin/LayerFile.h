#pragma once
// The layer-definition file (".lay"): one layer a line, three fields each
// followed by a comma (name, colour number, linetype), text after the third
// comma ignored, fields taken as they stand. The three readers of the program
// are here as plain functions over the file's lines: the menu's names, the
// single pick of one name and the run over every line. A line a reader needs
// and cannot take apart makes the file malformed for that reader; nothing of a
// malformed line is handed on.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QByteArray;

namespace files { class FileSystem; }

namespace sodrin {

struct LayerDefinition {
    QString name;
    int32_t colour = 0;
    QString linetype;
};

class LayerFile {
public:
    // The menu holds at most this many names; later lines are not read for it.
    static constexpr int MenuEntries = 36;

    using Create = std::function<void(const LayerDefinition&)>;

    // The lines of the file; raises as the file system does for a path that
    // is empty, missing or unreadable.
    static QStringList read(files::FileSystem& files, const QString& path);
    // Lines end with CR LF (a lone CR or LF as well); the last may lack it.
    static QStringList lines(const QByteArray& bytes);

    // Field 1: the text before the first comma; none without a comma.
    static std::optional<QString> name(const QString& line);
    // All three fields with the colour as a 32-bit number; none when a comma
    // is missing or the colour is not a number that fits.
    static std::optional<LayerDefinition> definition(const QString& line);

    // Field 1 of each of the first MenuEntries lines; none when one of them
    // has no comma.
    static std::optional<QStringList> menuNames(const QStringList& lines);

    // The single pick: every line whose name is exactly `name`, in file
    // order, handed to create. A line without a comma, or a line of that name
    // that is malformed, ends the reading: false, with the lines before it
    // handed on.
    static bool createNamed(const QStringList& lines, const QString& name, const Create& create);
    // "Load All": every line in file order; false at the first malformed
    // line, the lines before it handed on.
    static bool createAll(const QStringList& lines, const Create& create);
};

}  // namespace sodrin
