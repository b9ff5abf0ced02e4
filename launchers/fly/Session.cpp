#include "launchers/fly/Session.h"

#include "launchers/fly/Variants.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/settings/Store.h"

#include <array>

namespace fly {

namespace {

const std::array<QString, Session::ButtonCount> DefaultPaths = {
    QStringLiteral("C:\\Program Files\\Internet Explorer\\Iexplore.exe"),
    QStringLiteral("C:\\Program Files\\WinZip\\WINZIP32.EXE"),
    QStringLiteral("c:\\Program Files\\Microsoft Office\\Office\\OUTLOOK.EXE"),
    QStringLiteral("C:\\Program Files\\Microsoft Office\\Office\\Winword.exe"),
    QStringLiteral("c:\\Program Files\\Microsoft Office\\Office\\Excel.exe"),
    QStringLiteral("c:\\Program Files\\Microsoft Office\\Office\\POWERPNT.EXE"),
    QStringLiteral("c:\\Program Files\\Microsoft Office\\Office\\msAccess.exe"),
    QStringLiteral("c:\\Winnt\\system32\\mspaint.exe"),
    QStringLiteral("c:\\Winnt\\system32\\notepad.exe"),
    QStringLiteral("c:\\Winnt\\system32\\calc.exe"),
};

}  // namespace

const QString Session::Application = QStringLiteral("Fly");
const QString Session::Section = QStringLiteral("Settings");

Session::Session(env::Environment& environment) : env(environment), MdlError(environment, ReportErrorVariant)
{
    env.dispatcher->setEndsWithLastForm(true);
}

QString Session::key(int button) { return QStringLiteral("GetPic%1").arg(button); }

QString Session::defaultPath(int button)
{
    return button >= 0 && button < ButtonCount ? DefaultPaths[size_t(button)] : QString();
}

QString Session::programPath(int button) const
{
    return env.settings->get(Application, Section, key(button), defaultPath(button));
}

void Session::saveProgramPath(int button, const QString& path) const
{
    env.settings->save(Application, Section, key(button), path);
}

}  // namespace fly
