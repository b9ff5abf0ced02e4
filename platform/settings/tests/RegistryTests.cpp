#include "platform/runtime/Error.h"
#include "platform/settings/Registry.h"
#include "platform/testing/ErrorOf.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using settings::Registry;
using testing_env::errorOf;

namespace {

const QString ReleaseKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Host\\R1.0");
const QString DialogKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Vendor\\Host\\R1.0\\Profiles\\Default\\Dialogs\\Select File");

TEST(RegistryTest, HiveNamesAreComparedExactly)
{
    EXPECT_EQ(Registry::hiveFromName(QStringLiteral("HKEY_CLASSES_ROOT")), 0x80000000u);
    EXPECT_EQ(Registry::hiveFromName(QStringLiteral("HKEY_LOCAL_MACHINE")), 0x80000002u);
    EXPECT_EQ(Registry::hiveFromName(QStringLiteral("HKEY_DYN_DATA")), 0x80000006u);
    EXPECT_EQ(Registry::hiveFromName(QStringLiteral("hkey_current_user")), 0u);
    EXPECT_EQ(Registry::hiveFromName(QStringLiteral("HKEY_FOO")), 0u);
}

TEST(RegistryTest, AReadHandleQueriesWithoutRegardToCaseButCannotSet)
{
    Registry registry;
    registry.setValue(ReleaseKey, QStringLiteral("CurVer"), QStringLiteral("HOST-1:409"));

    const Registry::Key key =
        registry.openKey(Registry::LocalMachine, QStringLiteral("software\\VENDOR\\host\\r1.0"), Registry::KeyRead);
    EXPECT_EQ(registry.queryString(key, QStringLiteral("curver")), QStringLiteral("HOST-1:409"));
    EXPECT_EQ(errorOf([&] { registry.queryString(key, QStringLiteral("Missing")); }), Registry::ErrorFileNotFound);
    EXPECT_EQ(errorOf([&] { registry.setString(key, QStringLiteral("CurVer"), QStringLiteral("x")); }),
              Registry::ErrorAccessDenied);
    registry.closeKey(key);

    EXPECT_EQ(errorOf([&] { registry.queryString(key, QStringLiteral("CurVer")); }), Registry::ErrorInvalidHandle);
    EXPECT_EQ(errorOf([&] { registry.closeKey(key); }), Registry::ErrorInvalidHandle);
}

TEST(RegistryTest, AWriteHandleSetsValuesUnderTheirFirstSpellingButCannotQuery)
{
    Registry registry;
    registry.setValue(DialogKey, QStringLiteral("InitialDirectory"), QStringLiteral("C:\\old"));

    const Registry::Key key = registry.openKey(
        Registry::CurrentUser, QStringLiteral("Software\\Vendor\\Host\\R1.0\\Profiles\\Default\\Dialogs\\select file"),
        Registry::KeyWrite);
    registry.setString(key, QStringLiteral("INITIALDIRECTORY"), QStringLiteral("P:\\Projects\\12\\"));
    registry.setString(key, QString(), QStringLiteral("default value"));
    EXPECT_EQ(errorOf([&] { registry.queryString(key, QStringLiteral("InitialDirectory")); }),
              Registry::ErrorAccessDenied);
    registry.closeKey(key);

    EXPECT_EQ(registry.value(DialogKey, QStringLiteral("InitialDirectory")), QStringLiteral("P:\\Projects\\12\\"));
    EXPECT_EQ(registry.value(DialogKey, QString()), QStringLiteral("default value"));
}

TEST(RegistryTest, MissingKeysFailToOpenAndNothingIsCreated)
{
    Registry registry;
    registry.createKey(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vendor"));

    EXPECT_EQ(errorOf([&] {
                  registry.openKey(Registry::CurrentUser, QStringLiteral("Software\\Vendor\\Host"), Registry::KeyWrite);
              }),
              Registry::ErrorFileNotFound);
    EXPECT_EQ(errorOf([&] { registry.openKey(Registry::Users, QStringLiteral("Software\\Vendor"), Registry::KeyRead); }),
              Registry::ErrorFileNotFound);
    EXPECT_FALSE(registry.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vendor\\Host")));

    EXPECT_EQ(errorOf([&] { registry.openKey(0, QStringLiteral("Software"), Registry::KeyRead); }),
              Registry::ErrorInvalidHandle);
    EXPECT_EQ(errorOf([&] { registry.openKey(Registry::CurrentUser, QStringLiteral("Software\\\\Vendor"), Registry::KeyRead); }),
              Registry::ErrorBadPathname);
    EXPECT_EQ(errorOf([&] { registry.createKey(QStringLiteral("HKEY_FOO\\Software")); }), Registry::ErrorBadPathname);

    // The root itself is always there.
    registry.closeKey(registry.openKey(Registry::CurrentConfig, QString(), Registry::KeyRead));
}

TEST(RegistryTest, ABufferSizeLimitsTheValueLengthIncludingItsTerminator)
{
    Registry registry;
    registry.setValue(ReleaseKey, QStringLiteral("Fits"), QString(254, QChar('a')));
    registry.setValue(ReleaseKey, QStringLiteral("TooLong"), QString(255, QChar('a')));
    registry.setValue(ReleaseKey, QStringLiteral("Empty"), QString());
    registry.setValue(ReleaseKey, QStringLiteral("Blanks"), QStringLiteral("  lead"));
    const Registry::Key key = registry.openKey(Registry::LocalMachine, QStringLiteral("SOFTWARE\\Vendor\\Host\\R1.0"),
                                               Registry::KeyRead);
    EXPECT_EQ(registry.queryString(key, QStringLiteral("Fits"), 255).size(), 254);
    EXPECT_EQ(errorOf([&] { registry.queryString(key, QStringLiteral("TooLong"), 255); }), Registry::ErrorMoreData);
    EXPECT_EQ(registry.queryString(key, QStringLiteral("TooLong")).size(), 255);
    EXPECT_EQ(registry.queryString(key, QStringLiteral("Empty"), 255), QString());
    EXPECT_EQ(registry.queryString(key, QStringLiteral("Blanks"), 255), QStringLiteral("  lead"));
}

TEST(RegistryTest, AFileBackedRegistryIsSharedAndKeepsItsSpelling)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.ini"));
    Registry host(path);
    host.createKey(DialogKey);

    Registry program(path);
    const Registry::Key key = program.openKey(
        Registry::CurrentUser, QStringLiteral("SOFTWARE\\vendor\\Host\\R1.0\\Profiles\\Default\\Dialogs\\Select File"),
        Registry::KeyWrite | Registry::KeyRead);
    program.setString(key, QStringLiteral("InitialDirectory"), QStringLiteral("P:\\1\\"));
    EXPECT_EQ(host.value(DialogKey, QStringLiteral("initialdirectory")), QStringLiteral("P:\\1\\"));

    host.setValue(DialogKey, QStringLiteral("InitialDirectory"), QStringLiteral("P:\\2\\"));
    EXPECT_EQ(program.queryString(key, QStringLiteral("InitialDirectory")), QStringLiteral("P:\\2\\"));
    program.closeKey(key);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("\"Software\"")) << content.constData();
    EXPECT_FALSE(content.contains("\"SOFTWARE\""));
}

}  // namespace
