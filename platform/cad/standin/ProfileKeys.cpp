#include "platform/cad/standin/ProfileKeys.h"

#include "platform/settings/Registry.h"

namespace standin {

const QString ProfileKeys::ReleaseKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R15.0");
const QString ProfileKeys::VersionValue = QStringLiteral("CurVer");
const QString ProfileKeys::CurrentVersion = QStringLiteral("STANDIN-1");
const QStringList ProfileKeys::Dialogs = {QStringLiteral("OpenSaveAnavDialogs"), QStringLiteral("Save Drawing As"),
                                          QStringLiteral("Select File"), QStringLiteral("XattachFileDialog")};

namespace {
const QString UserReleaseKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R15.0");
const QString InitialDirectory = QStringLiteral("InitialDirectory");
}  // namespace

QString ProfileKeys::dialogKey(const QString& profile, const QString& dialog)
{
    return UserReleaseKey + u'\\' + CurrentVersion + QStringLiteral("\\Profiles\\") + profile
        + QStringLiteral("\\Dialogs\\") + dialog;
}

void ProfileKeys::install(settings::Registry& registry, const QString& profile)
{
    if (!registry.value(ReleaseKey, VersionValue))
        registry.setValue(ReleaseKey, VersionValue, CurrentVersion);
    for (const QString& dialog : Dialogs)
        registry.createKey(dialogKey(profile, dialog));
}

QString ProfileKeys::initialDirectory(settings::Registry& registry, const QString& profile, const QString& dialog)
{
    return registry.value(dialogKey(profile, dialog), InitialDirectory).value_or(QString());
}

}  // namespace standin
