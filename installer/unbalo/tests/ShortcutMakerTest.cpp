// The desktop and start-menu links to the installed launcher.
#include "UnbaloFixture.h"

#include "installer/unbalo/ShortcutMaker.h"
#include "platform/shell/DesktopEntry.h"
#include "platform/testing/ErrorOf.h"

using namespace unbalo;
using namespace unbalo::test;
using Kind = shell::ShellCall::Kind;

class ShortcutMakerTest : public UnbaloTest {
protected:
    ShortcutMakerTest() { put(R"(C:\Tarvo\tarvo.exe)", program("tarvo")); }

    QString desktop() { return shell.knownFolder(shell::KnownFolder::Desktop); }
    QString programs() { return shell.knownFolder(shell::KnownFolder::Programs); }
    QStringList linksIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

    ShortcutMaker maker{t.env()};
    const QString launcher = QStringLiteral(R"(C:\Tarvo\Tarvo.exe)");
};

TEST_F(ShortcutMakerTest, FileNameOfIsTheTextAfterTheLastBackslash)
{
    EXPECT_EQ(ShortcutMaker::FileNameOf(R"(c:\Tarvo\Tarvo.exe)"), "Tarvo.exe");
    EXPECT_EQ(ShortcutMaker::FileNameOf("Tarvo.exe"), "Tarvo.exe");
    EXPECT_EQ(ShortcutMaker::FileNameOf(R"(c:\Tarvo\)"), "");
}

TEST_F(ShortcutMakerTest, MadeTwiceTheLinksAreReplacedAndTheGroupReused)
{
    for (int round = 0; round < 2; ++round) {
        maker.MakeDesktopShortcut(launcher);
        maker.MakeStartMenuShortcut(launcher, "Tarvo");
    }
    EXPECT_EQ(linksIn(desktop()), QStringList{"Tarvo.exe.desktop"});
    EXPECT_EQ(linksIn(programs() + "/Tarvo"), QStringList{"Tarvo.exe.desktop"});
    EXPECT_EQ(shell::DesktopEntry::readTarget(desktop() + "/Tarvo.exe.desktop"), host(R"(C:\Tarvo\tarvo.exe)"));
    // The program is recorded as a recent document, and the shell given its time.
    EXPECT_EQ(callsOf(Kind::AddRecentDocument).size(), 4);
    EXPECT_EQ(callsOf(Kind::Sleep).size(), 4);
    EXPECT_EQ(callsOf(Kind::Sleep).first().number, 200);
}

// A folder the shell does not give is skipped with its link, instead of a
// link written to a path made of nothing and the link's name.
TEST_F(ShortcutMakerTest, AFolderTheShellDoesNotGiveIsSkippedWithItsLink)
{
    shell.failOn(Kind::KnownFolder, 0);
    maker.MakeDesktopShortcut(launcher);
    maker.MakeStartMenuShortcut(launcher, "Tarvo");
    EXPECT_TRUE(callsOf(Kind::MakeLink).isEmpty());
    EXPECT_FALSE(exists(R"(\Tarvo.exe.lnk)"));
    EXPECT_FALSE(exists(R"(\Tarvo.exe.desktop)"));
    EXPECT_FALSE(QFileInfo::exists(QDir::currentPath() + "/Tarvo.exe.desktop"));
}

TEST_F(ShortcutMakerTest, ALinkThatCannotBeMadeRaisesForTheCallerToPassOver)
{
    EXPECT_EQ(testing_env::errorOf([&] { maker.MakeDesktopShortcut(R"(C:\Tarvo\Gone.exe)"); }), 53);
    EXPECT_EQ(testing_env::errorOf([&] { maker.MakeStartMenuShortcut(R"(C:\Tarvo\)", "Tarvo"); }), 53);
    EXPECT_TRUE(linksIn(desktop()).isEmpty());
}
