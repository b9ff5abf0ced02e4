#pragma once
// Makes one project the current project of the running host: composes the
// project folder, puts it into the active profile's support path, remembers it
// as the current project, makes it the template drawing path (which the other
// tools read as the project folder) and, when asked, the plot-style path, and
// makes it the start folder of the host's four file dialogs in the registry.

#include <QString>

namespace kandrel {

class Session;

// The values of the project window at the moment of the choice.
struct ProjectChoice {
    QString number;          // the chosen entry of the list
    QString root;            // e.g. "P:\Projects\"
    QString suffix;          // optional, e.g. "\Drawings"
    QString templates;       // e.g. "\DwgTemplates"
    QString pens;            // e.g. "\Pens"
    bool pensOn = false;
    QString previousFolder;  // the current project as stored at start

    // Root, number and suffix joined as they are: nothing added or removed.
    QString folder() const { return root + number + suffix; }
};

class ProjectPaths {
public:
    // Where the host keeps its current release, and the dialogs whose start
    // folder follows the project, in the order they are written.
    static const QString ReleaseKey;
    static const QString UserReleaseKey;
    static const QStringList Dialogs;

    explicit ProjectPaths(Session& session) : session_(session) {}

    // Raises what the host raises until it has accepted the support path;
    // only then is the folder saved as the current project. Every later step
    // that fails is passed over and the next one runs.
    void apply(const ProjectChoice& choice);

    // The dialog's key under a release and a profile.
    static QString dialogKey(const QString& release, const QString& profile, const QString& dialog);

private:
    Session& session_;
};

}  // namespace kandrel
