#include "project/kandrel/ProjectPaths.h"

#include "platform/cad/Application.h"
#include "platform/runtime/PassOver.h"
#include "project/kandrel/IplotReg.h"
#include "project/kandrel/Session.h"
#include "project/kandrel/SupportPath.h"

#include <QStringList>

namespace kandrel {

const QString ProjectPaths::ReleaseKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R15.0");
const QString ProjectPaths::UserReleaseKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R15.0\\");
const QStringList ProjectPaths::Dialogs = {QStringLiteral("OpenSaveAnavDialogs"), QStringLiteral("Save Drawing As"),
                                           QStringLiteral("Select File"), QStringLiteral("XattachFileDialog")};

namespace {
// The release key names the release by at most this many characters.
constexpr int ReleaseLength = 10;
}  // namespace

QString ProjectPaths::dialogKey(const QString& release, const QString& profile, const QString& dialog)
{
    return UserReleaseKey + release + QStringLiteral("\\Profiles\\") + profile + QStringLiteral("\\Dialogs\\") + dialog;
}

void ProjectPaths::apply(const ProjectChoice& choice)
{
    session_.preferences = session_.connection.doc().application()->preferences();
    const QString folder = choice.folder();
    const std::shared_ptr<cad::PreferencesFiles> files = session_.preferences->files();
    files->setSupportPath(SupportPath::withProject(files->supportPath(), choice.previousFolder, folder));
    // Remembered only once the host holds it, so that the next choice finds
    // the folder it replaces.
    session_.saveSetting(QStringLiteral("ProjectPath"), folder);

    runtime::passOver([&] { files->setTemplateDwgPath(folder + choice.templates); });
    if (choice.pensOn)
        runtime::passOver([&] { files->setPrinterStyleSheetPath(folder + choice.pens); });
    QString profile;
    runtime::passOver([&] { profile = session_.preferences->profiles()->activeProfile(); });
    IplotReg registry(session_.env);
    const QString release = registry.ReadRegString(ReleaseKey, QStringLiteral("CurVer")).left(ReleaseLength);
    if (release.isEmpty())
        return;
    for (const QString& dialog : Dialogs)
        registry.WriteRegString(dialogKey(release, profile, dialog), QStringLiteral("InitialDirectory"), folder);
}

}  // namespace kandrel
