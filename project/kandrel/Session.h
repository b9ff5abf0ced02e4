#pragma once
// What Kandrel's two windows share for the life of the program: the
// environment, the connection to the CAD host and the host's preferences as
// last taken, and the project list. No widgets: both windows are handed this
// state by reference.

#include "project/kandrel/ProjectList.h"
#include "shared/AcadConnection.h"

#include <QString>
#include <memory>

namespace cad { class Preferences; }
namespace env { struct Environment; }

namespace kandrel {

class Session {
public:
    explicit Session(env::Environment& environment);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The program's settings, under its title and the section "Settings".
    QString setting(const QString& key) const;
    void saveSetting(const QString& key, const QString& value);

    env::Environment& env;
    suite::AcadConnection connection;
    std::shared_ptr<cad::Preferences> preferences;
    ProjectList projects;
};

}  // namespace kandrel
