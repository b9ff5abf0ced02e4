#include "launchers/tarvo/Session.h"

#include "launchers/tarvo/Variants.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/runtime/Program.h"
#include "platform/settings/Store.h"
#include "shared/AcadProj.h"

namespace tarvo {

const QString Session::Application = QStringLiteral("Tarvo Helper");
const QString Session::Section = QStringLiteral("Settings");
const SettingKey Session::LeftDoubleClick{QStringLiteral("LBUTTONDBLCLK"),
                                          QStringLiteral("c:\\Program Files\\Autocad 2002\\Acad.exe")};
const SettingKey Session::MiddleDoubleClick{QStringLiteral("CBUTTONDBLCLK"),
                                            QStringLiteral("c:\\Program Files\\Autocad 2000i\\Acad.exe")};
const SettingKey Session::Favorites{QStringLiteral("Favor"), QStringLiteral("c:\\")};
const SettingKey Session::SideBar{QStringLiteral("SideBar"), QStringLiteral("True")};

Session::Session(env::Environment& environment) : env(environment)
{
    env.dispatcher->setEndsWithLastForm(true);
}

QString Session::setting(const SettingKey& key) const
{
    return env.settings->get(Application, Section, key.name, key.defaultValue);
}

void Session::saveSetting(const SettingKey& key, const QString& value) const
{
    env.settings->save(Application, Section, key.name, value);
}

bool Session::attach() { return suite::acadProj(env, connection, AttachVariant); }

QString Session::programFile(const QString& fileName) const { return env.program->file(fileName); }

QString Session::programCommand(const QString& fileName) const
{
    return u'"' + programFile(fileName) + u'"';
}

}  // namespace tarvo
