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

TEST(RegistryTest, AQueryGivesTheKindAndTheBytesAsTheSystemsEightBitQueryDoes)
{
    Registry registry;
    registry.setValue(ReleaseKey, QStringLiteral("Text"), QStringLiteral("abc"));
    registry.setValue(ReleaseKey, QStringLiteral("Nul"), QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd"));
    registry.setValue(ReleaseKey, QStringLiteral("Path"), Registry::TypeExpandString, QStringLiteral("%HOME%"));
    registry.setValue(ReleaseKey, QStringLiteral("Number"), Registry::TypeDword, QStringLiteral("1033"));
    registry.setValue(ReleaseKey, QStringLiteral("Bytes"), Registry::TypeBinary, QStringLiteral("00ff41"));
    registry.setValue(ReleaseKey, QStringLiteral("List"), Registry::TypeMultiString,
                      QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b"));
    EXPECT_EQ(errorOf([&] { registry.setValue(ReleaseKey, QStringLiteral("Odd"), 99, QStringLiteral("x")); }),
              Registry::ErrorInvalidParameter);
    EXPECT_EQ(errorOf([&] { registry.setValue(ReleaseKey, QStringLiteral("Odd"), Registry::TypeDword, QStringLiteral("x")); }),
              Registry::ErrorInvalidParameter);

    const Registry::Key key = registry.openKey(Registry::LocalMachine, QStringLiteral("SOFTWARE\\Vendor\\Host\\R1.0"),
                                               Registry::KeyRead);
    const auto data = [&](const char* name) { return registry.queryValue(key, QLatin1String(name)); };
    EXPECT_EQ(data("Text").type, Registry::TypeString);
    EXPECT_EQ(data("Text").bytes, QByteArray("abc", 4));
    EXPECT_EQ(data("Nul").bytes, QByteArray("ab\0cd", 6));
    EXPECT_EQ(data("Path").type, Registry::TypeExpandString);
    EXPECT_EQ(data("Number").type, Registry::TypeDword);
    EXPECT_EQ(data("Number").bytes, QByteArray("\x09\x04\0\0", 4));
    EXPECT_EQ(data("Bytes").bytes, QByteArray("\0\xff\x41", 3));
    EXPECT_EQ(data("List").bytes, QByteArray("a\0b\0\0", 5));
    // The buffer counts bytes, the terminator included.
    EXPECT_EQ(registry.queryValue(key, QStringLiteral("Text"), 4).bytes.size(), 4);
    EXPECT_EQ(errorOf([&] { registry.queryValue(key, QStringLiteral("Text"), 3); }), Registry::ErrorMoreData);
    registry.closeKey(key);
}

TEST(RegistryTest, AFileKeepsTheKindsAndRefusesOnesItDoesNotKnow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.ini"));
    {
        Registry writer(path);
        writer.setValue(ReleaseKey, QStringLiteral("Number"), Registry::TypeDword, QStringLiteral("7"));
        writer.setValue(ReleaseKey, QStringLiteral("Text"), QStringLiteral("t"));
    }
    Registry reader(path);
    const Registry::Key key = reader.openKey(Registry::LocalMachine, QStringLiteral("SOFTWARE\\Vendor\\Host\\R1.0"),
                                             Registry::KeyRead);
    EXPECT_EQ(reader.queryValue(key, QStringLiteral("Number")).type, Registry::TypeDword);
    EXPECT_EQ(reader.queryValue(key, QStringLiteral("Text")).type, Registry::TypeString);
    reader.closeKey(key);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray content = file.readAll();
    file.close();
    content.replace("\"type\": 4", "\"type\": 12");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    Registry damaged(path);
    EXPECT_FALSE(damaged.damageReport().isEmpty());
    EXPECT_FALSE(damaged.value(ReleaseKey, QStringLiteral("Number")).has_value());
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
