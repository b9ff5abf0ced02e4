#include "launchers/ploven/ModuleAlisp.h"

#include "launchers/ploven/Qel_Ploven.h"
#include "launchers/ploven/Variants.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/settings/Store.h"
#include "shared/AcadProj.h"

namespace ploven {

const QString ModuleAlisp::Application = QStringLiteral("Ploven");
const QString ModuleAlisp::Section = QStringLiteral("settings");
const QString ModuleAlisp::LocationKey = QStringLiteral("Location");
const QString ModuleAlisp::DefaultLocation = QStringLiteral("c:\\");

ModuleAlisp::ModuleAlisp(env::Environment& env) : env_(env) { env_.dispatcher->setEndsWithLastForm(true); }

void ModuleAlisp::Main(Qel_Ploven& mainForm)
{
    Location = env_.settings->get(Application, Section, LocationKey);
    if (Location.isEmpty())
        Location = DefaultLocation;
    mainForm.show();
}

bool ModuleAlisp::AcadProj() { return suite::acadProj(env_, conn_, AttachVariant); }

void ModuleAlisp::setLocation(const QString& location)
{
    Location = location;
    env_.settings->save(Application, Section, LocationKey, location);
}

}  // namespace ploven
