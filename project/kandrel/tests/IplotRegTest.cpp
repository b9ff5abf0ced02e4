// Registry strings by full key path: the form of the path, what a read gives
// for each kind of value, and writes that never create a key.
#include "KandrelFixture.h"

#include "platform/settings/Registry.h"
#include "project/kandrel/IplotReg.h"

using namespace kandrel;
using namespace kandrel::test;
using settings::Registry;

namespace {

const QString Release = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R15.0");

class IplotRegTest : public ::testing::Test {
protected:
    testing_env::TestEnvironment t{QStringLiteral("Kandrel")};
    Registry& registry = t.registry();
    IplotReg reg{t.env()};
};

TEST_F(IplotRegTest, SplittingChecksTheFormAndShowsAWrongOne)
{
    QString path = Release;
    uint32_t root = 7;
    EXPECT_TRUE(reg.SplitKeyPath(path, root));
    EXPECT_EQ(root, Registry::LocalMachine);
    EXPECT_EQ(path, QStringLiteral("SOFTWARE\\Autodesk\\AutoCAD\\R15.0"));

    path = QStringLiteral("HKEY_USERS");
    EXPECT_TRUE(reg.SplitKeyPath(path, root));
    EXPECT_EQ(root, Registry::Users);
    EXPECT_EQ(path, QString());

    path = QStringLiteral("HKEY_FOO\\Software");
    EXPECT_TRUE(reg.SplitKeyPath(path, root));
    EXPECT_EQ(root, 0u);

    for (const QString& wrong : {QStringLiteral("hkey_current_user\\Software"), QStringLiteral("HKEY_CURRENT_USER\\Software\\")}) {
        t.ui().expectMsgBox(msgbox::Ok);
        path = wrong;
        EXPECT_FALSE(reg.SplitKeyPath(path, root));
        EXPECT_EQ(root, 0u);
        EXPECT_EQ(t.ui().last().text, QStringLiteral("Incorrect Format:\n\n") + wrong);
        EXPECT_EQ(t.ui().last().style, msgbox::OkOnly);
        EXPECT_EQ(t.ui().last().caption, QStringLiteral("Kandrel"));
    }
}

TEST_F(IplotRegTest, AReadGivesTheTextUpToItsFirstNulAndOnlyText)
{
    registry.setValue(Release, QStringLiteral("CurVer"), QStringLiteral("STANDIN-1"));
    registry.setValue(Release, QStringLiteral("Fits"), QString(254, QChar(u'a')));
    registry.setValue(Release, QStringLiteral("TooLong"), QString(255, QChar(u'a')));
    registry.setValue(Release, QStringLiteral("Blanks"), QStringLiteral("  lead and trail  "));
    registry.setValue(Release, QStringLiteral("Empty"), QString());
    registry.setValue(Release, QStringLiteral("Nul"), QStringLiteral("R15") + QChar(u'\0') + QStringLiteral("garbage"));
    registry.setValue(Release, QStringLiteral("Expand"), Registry::TypeExpandString, QStringLiteral("%ROOT%\\x"));
    registry.setValue(Release, QStringLiteral("Number"), Registry::TypeDword, QStringLiteral("1033"));
    registry.setValue(Release, QStringLiteral("Bytes"), Registry::TypeBinary, QStringLiteral("414243"));

    const auto read = [&](const char* name) { return reg.ReadRegString(Release, QLatin1String(name)); };
    EXPECT_EQ(read("CurVer"), QStringLiteral("STANDIN-1"));
    EXPECT_EQ(read("Fits"), QString(254, QChar(u'a')));
    EXPECT_EQ(read("TooLong"), QStringLiteral("Error"));
    EXPECT_EQ(read("Blanks"), QStringLiteral("lead and trail  "));
    EXPECT_EQ(read("Empty"), QString());
    EXPECT_EQ(read("Nul"), QStringLiteral("R15"));
    EXPECT_EQ(read("Expand"), QStringLiteral("%ROOT%\\x"));
    EXPECT_EQ(read("Number"), QStringLiteral("Error"));
    EXPECT_EQ(read("Bytes"), QStringLiteral("Error"));
    EXPECT_EQ(read("Missing"), QStringLiteral("Error"));
    EXPECT_EQ(reg.ReadRegString(Release + QStringLiteral("\\Nope"), QStringLiteral("CurVer")), QStringLiteral("Error"));
    EXPECT_EQ(reg.ReadRegString(QStringLiteral("HKEY_FOO\\SOFTWARE"), QStringLiteral("CurVer")), QString());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(IplotRegTest, AWriteSetsAStringOfAnExistingKeyAndNeverMakesOne)
{
    const QString dialog = QStringLiteral("HKEY_CURRENT_USER\\Software\\Vendor\\Dialogs\\Select File");
    registry.createKey(dialog);
    reg.WriteRegString(dialog, QStringLiteral("InitialDirectory"), QStringLiteral("P:\\Projects\\12"));
    EXPECT_EQ(registry.value(dialog, QStringLiteral("InitialDirectory")), QStringLiteral("P:\\Projects\\12"));

    reg.WriteRegString(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vendor\\Dialogs\\Missing"),
                       QStringLiteral("InitialDirectory"), QStringLiteral("x"));
    EXPECT_FALSE(registry.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vendor\\Dialogs\\Missing")));
    reg.WriteRegString(QStringLiteral("HKEY_FOO\\Software"), QStringLiteral("v"), QStringLiteral("x"));
    EXPECT_TRUE(t.ui().records().isEmpty());

    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Incorrect Format:"));
    reg.WriteRegString(dialog + u'\\', QStringLiteral("InitialDirectory"), QStringLiteral("y"));
    EXPECT_EQ(registry.value(dialog, QStringLiteral("InitialDirectory")), QStringLiteral("P:\\Projects\\12"));
}

}  // namespace
