#include "project/kandrel/Session.h"

#include "platform/env/Environment.h"
#include "platform/runtime/Program.h"
#include "platform/settings/Store.h"

namespace kandrel {

namespace {
const QString Section = QStringLiteral("Settings");
}

Session::Session(env::Environment& environment)
    : env(environment), projects(*environment.files, environment.program->file(QStringLiteral("Project.txt")))
{
}

QString Session::setting(const QString& key) const { return env.settings->get(env.program->title, Section, key); }

void Session::saveSetting(const QString& key, const QString& value)
{
    env.settings->save(env.program->title, Section, key, value);
}

}  // namespace kandrel
