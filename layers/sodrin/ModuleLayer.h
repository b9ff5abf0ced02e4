#pragma once
// Sodrin's state for its one run: the connection to the CAD host, the layer
// file held since start-up, the discipline and browsed flags of the settings,
// and the routines its forms share: the attach, the layer creation from a
// file's line, the malformed-file warning and the settings store access.

#include "layers/sodrin/Disciplines.h"
#include "shared/AcadConnection.h"

#include <QString>
#include <array>

namespace env { struct Environment; }

namespace sodrin {

struct LayerDefinition;

class ModuleLayer {
public:
    // The settings: application "Sodrin", section "settings".
    static const QString Application;
    static const QString Section;
    static const QString LayerPathKey;
    static const QString BrowsedKey;
    static const QString BadFileWarning;

    explicit ModuleLayer(env::Environment& env);

    env::Environment& env() const { return env_; }
    suite::AcadConnection& connection() { return conn_; }

    // Attaches to the running host; a failure warns and ends the program.
    bool AcadProj();
    bool LinetypeExist(const QString& linetype) const;
    // One line's layer in the attached drawing; failures end it silently.
    void CreateLayer(const LayerDefinition& definition);

    // "Warning!!! Bad Layer Type ...", critical.
    void warnBadFile();

    QString setting(const QString& key, const QString& defaultValue = {}) const;
    void saveSetting(const QString& key, const QString& value);
    bool flagSetting(const QString& key) const;
    void saveFlag(const QString& key, bool on);

    // A file beside the program: the program folder, "\" and the name.
    QString programFile(const QString& fileName) const;

    // The current layer file as read at start-up.
    QString layerPath;
    // The settings form's flags.
    std::array<bool, Disciplines.size()> disciplineFlags{};
    bool browsed = false;

private:
    env::Environment& env_;
    suite::AcadConnection conn_;
};

}  // namespace sodrin
