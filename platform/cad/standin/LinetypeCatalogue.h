#pragma once
// A linetype catalogue file ("acad.lin"): for each linetype a header line
// "*NAME,description" and a pattern line "A,dash,gap,...". Lines starting with
// ";;" are comments. The stand-in ships its own catalogue, written into the
// host's support folder.

#include <QList>
#include <QString>

namespace files {
class FileSystem;
}

namespace standin {

struct LinetypeDefinition {
    QString name;
    QString description;
    QString pattern;
};

class LinetypeCatalogue {
public:
    static const QString FileName;

    // Raises InvalidInput, naming the line, for a malformed catalogue.
    static LinetypeCatalogue parse(const QString& text);
    // The stand-in's own catalogue text.
    static QString standardText();
    // Writes the standard catalogue into the folder unless a file of that name
    // is there already.
    static void install(files::FileSystem& files, const QString& folder);

    // Matched without regard to case; null if the catalogue lacks it.
    const LinetypeDefinition* find(const QString& name) const;
    const QList<LinetypeDefinition>& definitions() const { return definitions_; }

private:
    QList<LinetypeDefinition> definitions_;
};

}  // namespace standin
