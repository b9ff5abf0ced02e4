// The host's release and dialog keys in the registry.
#include "platform/cad/standin/ProfileKeys.h"
#include "platform/settings/Registry.h"

#include <gtest/gtest.h>

using standin::ProfileKeys;

TEST(ProfileKeys, TheHostLaysOutItsReleaseAndEveryDialogOfItsProfileAndKeepsWhatIsThere)
{
    settings::Registry registry;
    const QString selectFile = ProfileKeys::dialogKey(QStringLiteral("Default"), QStringLiteral("Select File"));
    registry.setValue(selectFile, QStringLiteral("InitialDirectory"), QStringLiteral("P:\\Jobs"));

    ProfileKeys::install(registry, QStringLiteral("Default"));
    EXPECT_EQ(registry.value(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R15.0"),
                             QStringLiteral("CurVer")),
              ProfileKeys::CurrentVersion);
    ASSERT_EQ(ProfileKeys::Dialogs.size(), 4);
    for (const QString& dialog : ProfileKeys::Dialogs) {
        const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R15.0\\")
            + ProfileKeys::CurrentVersion + QStringLiteral("\\Profiles\\Default\\Dialogs\\") + dialog;
        EXPECT_TRUE(registry.keyExists(key)) << dialog.toStdString();
    }
    EXPECT_EQ(ProfileKeys::initialDirectory(registry, QStringLiteral("Default"), QStringLiteral("Select File")),
              QStringLiteral("P:\\Jobs"));

    // A version set by someone else stays.
    registry.setValue(ProfileKeys::ReleaseKey, ProfileKeys::VersionValue, QStringLiteral("OTHER"));
    ProfileKeys::install(registry, QStringLiteral("Default"));
    EXPECT_EQ(registry.value(ProfileKeys::ReleaseKey, ProfileKeys::VersionValue), QStringLiteral("OTHER"));
}
