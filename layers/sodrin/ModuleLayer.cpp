#include "layers/sodrin/ModuleLayer.h"

#include "layers/sodrin/LayerFile.h"
#include "layers/sodrin/Variants.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Program.h"
#include "platform/settings/Store.h"
#include "shared/AcadProj.h"
#include "shared/LayerRoutines.h"

namespace sodrin {

const QString ModuleLayer::Application = QStringLiteral("Sodrin");
const QString ModuleLayer::Section = QStringLiteral("settings");
const QString ModuleLayer::LayerPathKey = QStringLiteral("LayerPath");
const QString ModuleLayer::BrowsedKey = QStringLiteral("bLayerPath");
const QString ModuleLayer::BadFileWarning = QStringLiteral("Warning!!! Bad Layer Type (Sample: (obj,1,countinous,)...");

ModuleLayer::ModuleLayer(env::Environment& env) : env_(env)
{
    // The layer menu's small window and the settings form: Sodrin ends when
    // neither is loaded any more.
    env_.dispatcher->setEndsWithLastForm(true);
}

bool ModuleLayer::AcadProj() { return suite::acadProj(env_, conn_, AttachVariant); }

bool ModuleLayer::LinetypeExist(const QString& linetype) const { return suite::linetypeExist(conn_, linetype); }

void ModuleLayer::CreateLayer(const LayerDefinition& definition)
{
    suite::createLayer(conn_, definition.name, definition.linetype, definition.colour, CreateLayerVariant);
}

void ModuleLayer::warnBadFile() { env_.ui->msgBox(BadFileWarning, forms::msgbox::Critical); }

QString ModuleLayer::setting(const QString& key, const QString& defaultValue) const
{
    return env_.settings->get(Application, Section, key, defaultValue);
}

void ModuleLayer::saveSetting(const QString& key, const QString& value)
{
    env_.settings->save(Application, Section, key, value);
}

bool ModuleLayer::flagSetting(const QString& key) const
{
    return setting(key, QStringLiteral("False")).compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
}

void ModuleLayer::saveFlag(const QString& key, bool on)
{
    saveSetting(key, on ? QStringLiteral("True") : QStringLiteral("False"));
}

QString ModuleLayer::programFile(const QString& fileName) const { return env_.program->file(fileName); }

}  // namespace sodrin
