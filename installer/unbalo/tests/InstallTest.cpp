// The install run as the user meets it: Install on a program that carries an
// archive writes its items into the directory, then opens the help file,
// starts the launcher and makes the shortcuts; a damaged archive writes
// nothing; an item that cannot be written is named and its launcher not
// started.
#include "UnbaloFixture.h"

#include "platform/shell/DesktopEntry.h"

#include <sys/stat.h>

using namespace unbalo;
using namespace unbalo::test;
using Kind = shell::ShellCall::Kind;
namespace msgbox = forms::msgbox;

namespace {

const QList<Item> Suite{{"Tarvo.exe", program("tarvo")},
                        {"Fly.exe", program("fly")},
                        {"Architecture.lay", "A-OBJ1,3,continuous,\r\n"},
                        {"Project.txt", "<<Type Project Number>>\r\n"},
                        {"TARVOHELP.HLP", "<html>help</html>"}};

int modeOf(const QString& hostPath)
{
    struct stat st {};
    return ::stat(QFile::encodeName(hostPath).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

}  // namespace

class InstallTest : public UnbaloTest {
protected:
    InstallTest() { carry(Suite); }

    void expectSuccess() { t.ui().expectMsgBox(msgbox::Ok, "The file has been extracted successfully..."); }
};

TEST_F(InstallTest, EveryItemLandsLowerCasedThenHelpLauncherAndShortcutsFollow)
{
    setDirectory(R"(C:\Drafting\Suite\Tarvo\)");
    expectSuccess();
    EXPECT_TRUE(install());

    const auto& box = t.ui().records().first();
    EXPECT_EQ(box.caption, "Information");
    EXPECT_EQ(box.style, msgbox::Information);
    // The missing folders above the directory are made too.
    EXPECT_EQ(entries(R"(C:\Drafting\Suite\Tarvo)"),
              (QStringList{"architecture.lay", "fly.exe", "project.txt", "tarvo.exe", "tarvohelp.hlp"}));
    for (const Item& item : Suite)
        EXPECT_EQ(bytesOf(R"(C:\Drafting\Suite\Tarvo\)" + item.name.toLower()), item.content) << item.name.toStdString();
    // Programs run; data files do not.
    EXPECT_EQ(modeOf(host(R"(C:\Drafting\Suite\Tarvo\tarvo.exe)")) & 0100, 0100);
    EXPECT_EQ(modeOf(host(R"(C:\Drafting\Suite\Tarvo\project.txt)")) & 0111, 0);
    // The caption counted up and ended complete.
    EXPECT_EQ(form.caption(), "Install...  100% Complete");

    const QString dir = R"(C:\Drafting\Suite\Tarvo\)";
    ASSERT_EQ(callsOf(Kind::OpenDocument).size(), 2);
    EXPECT_EQ(callsOf(Kind::OpenDocument)[0].text, dir + "TARVOHELP.HLP");
    EXPECT_EQ(callsOf(Kind::OpenDocument)[1].text, dir + "Tarvo.exe");
    // Both links start the launcher the install wrote.
    const QString desktop = shell.knownFolder(shell::KnownFolder::Desktop);
    const QString group = shell.knownFolder(shell::KnownFolder::Programs) + "/Tarvo";
    EXPECT_EQ(shell::DesktopEntry::readTarget(desktop + "/Tarvo.exe.desktop"), host(dir + "tarvo.exe"));
    EXPECT_EQ(shell::DesktopEntry::readTarget(group + "/Tarvo.exe.desktop"), host(dir + "tarvo.exe"));
}

TEST_F(InstallTest, ExistingTargetsAreReplacedWholeReadOnlyOrLinkedAndTheDirectoryGetsItsBackslash)
{
    put(R"(C:\Tarvo\project.txt)", QByteArray(1000, 'L'));
    ::chmod(QFile::encodeName(host(R"(C:\Tarvo\project.txt)")).constData(), 0444);
    put(R"(C:\Precious\passwd)", "precious");
    QFile::link(host(R"(C:\Precious\passwd)"), host(R"(C:\Tarvo)") + "/fly.exe");

    // Typed without the closing backslash, and in another case than on disk.
    setDirectory(R"(c:\TARVO)");
    expectSuccess();
    EXPECT_TRUE(install());

    EXPECT_EQ(bytesOf(R"(C:\Tarvo\project.txt)"), "<<Type Project Number>>\r\n");
    EXPECT_FALSE(QFileInfo(host(R"(C:\Tarvo\fly.exe)")).isSymLink());
    EXPECT_EQ(bytesOf(R"(C:\Tarvo\fly.exe)"), program("fly"));
    EXPECT_EQ(bytesOf(R"(C:\Precious\passwd)"), "precious");
    EXPECT_EQ(entries(R"(C:\)"), (QStringList{"Precious", "Program", "Tarvo"}));
    EXPECT_EQ(callsOf(Kind::OpenDocument)[1].text, R"(c:\TARVO\Tarvo.exe)");
}

TEST_F(InstallTest, OfTwoItemsOfOneNameTheOneNearerTheTopIsLeft)
{
    carry({{"Project.txt", "top of the list"}, {"PROJECT.TXT", "further down"}});
    expectSuccess();
    EXPECT_TRUE(install());
    EXPECT_EQ(entries(R"(C:\Tarvo)"), QStringList{"project.txt"});
    EXPECT_EQ(bytesOf(R"(C:\Tarvo\project.txt)"), "top of the list");
}

TEST_F(InstallTest, WithEveryOptionClearedOnlyTheStartMenuLinkIsMade)
{
    untick("ChkReadme");
    untick("ChkDesktop");
    untick("ChkRun");
    expectSuccess();
    EXPECT_TRUE(install());
    EXPECT_TRUE(callsOf(Kind::OpenDocument).isEmpty());
    EXPECT_EQ(callsOf(Kind::MakeLink).size(), 1);
    EXPECT_TRUE(callsOf(Kind::MakeLink).first().text.contains("Programs\\Tarvo\\Tarvo.exe.lnk"));
    EXPECT_EQ(QDir(shell.knownFolder(shell::KnownFolder::Desktop)).entryList(QDir::Files), QStringList{});
}

// The closing message tells the truth: an item that could not be written is
// named, and a launcher that was not written is not started.
TEST_F(InstallTest, ItemsThatCannotBeWrittenAreNamedAndTheirLauncherIsNotStarted)
{
    ASSERT_TRUE(QDir().mkpath(host(R"(C:\Tarvo\tarvo.exe)")));  // a folder where the launcher goes
    ASSERT_TRUE(QDir().mkpath(host(R"(C:\Tarvo\architecture.lay)")));
    t.ui().expectMsgBox(msgbox::Ok, "These files could not be written into C:\\Tarvo\\:\r\n");
    setDirectory(R"(C:\Tarvo)");
    EXPECT_TRUE(install());

    const auto& box = t.ui().records().first();
    EXPECT_EQ(box.text, "These files could not be written into C:\\Tarvo\\:\r\narchitecture.lay\r\ntarvo.exe");
    EXPECT_EQ(box.style, msgbox::Critical);
    EXPECT_EQ(bytesOf(R"(C:\Tarvo\fly.exe)"), program("fly"));
    ASSERT_EQ(callsOf(Kind::OpenDocument).size(), 1);
    EXPECT_EQ(callsOf(Kind::OpenDocument)[0].text, R"(C:\Tarvo\TARVOHELP.HLP)");
}

TEST_F(InstallTest, AnInstallDirectoryOfBlanksIsRefusedAndNothingIsWritten)
{
    setDirectory("   ");
    t.ui().expectMsgBox(msgbox::Ok, "Type the folder to install into...");
    EXPECT_FALSE(install());
    EXPECT_EQ(entries(R"(C:\)"), QStringList{"Program"});
    // The window stays for a folder to be typed.
    setDirectory(R"(C:\Tarvo)");
    expectSuccess();
    EXPECT_TRUE(install());
    EXPECT_EQ(entries(R"(C:\Tarvo)").size(), 5);
}

TEST_F(InstallTest, AFolderThatCannotBeMadeIsReportedAndRetryAfterItIsMendedInstalls)
{
    put(R"(C:\Blocked)", "a file where the folder goes");
    setDirectory(R"(C:\Blocked\Tarvo\)");
    t.ui().setWhileBoxShown([&](const forms::ScriptedInteraction::Record& shown) {
        if (shown.caption == "Error")
            QFile::remove(host(R"(C:\Blocked)"));
    });
    t.ui().expectMsgBox(msgbox::Retry, "Error #75 in module Unbalo...\r\nDescription: Path/File access error\r\n"
                                       "How do you want to continue?");
    expectSuccess();
    EXPECT_TRUE(install());
    EXPECT_EQ(t.ui().records().first().style, msgbox::AbortRetryIgnore + msgbox::Exclamation);
    EXPECT_EQ(entries(R"(C:\Blocked\Tarvo)").size(), 5);
}

// Every crafted installer is refused whole: not one file of it is written,
// whatever the directory, and the program ends.
struct Crafted {
    const char* what;
    QByteArray bytes;    // the program's whole file
    QString problem;     // a part of the reason given
};

class CraftedInstallTest : public UnbaloTest, public ::testing::WithParamInterface<Crafted> {};

TEST_P(CraftedInstallTest, WritesNothingAndSaysWhy)
{
    put(ownFile(), GetParam().bytes);
    setDirectory(R"(C:\Tarvo\)");
    t.ui().expectMsgBox(msgbox::Ok, "This installer is damaged and cannot be extracted: ");
    EXPECT_TRUE(install());
    const auto& box = t.ui().records().first();
    EXPECT_TRUE(box.text.contains(GetParam().problem)) << box.text.toStdString();
    EXPECT_TRUE(box.text.endsWith(".\r\nNothing has been installed...")) << box.text.toStdString();
    EXPECT_EQ(box.style, msgbox::Critical);
    EXPECT_EQ(entries(R"(C:\)"), QStringList{"Program"});
    EXPECT_TRUE(callsOf(Kind::OpenDocument).isEmpty());
    EXPECT_TRUE(callsOf(Kind::MakeLink).isEmpty());
}

namespace {

// The suite's records with one more item at the end (read first).
QByteArray suiteAnd(const QByteArray& content, const QByteArray& size, const QByteArray& name)
{
    return installerOf(Stub, Suite).chopped(7) + content + QByteArray(10 - size.size(), '\r') + size
           + QByteArray(259 - name.size(), '\r') + name + "106UB13";
}

const QList<Crafted> CraftedCases{
    {"ParentFolder", suiteAnd("evil", "4", ".."), "the name of item 6 of 6 (\"..\") is refused"},
    {"Traversal", suiteAnd("evil", "4", "..\\..\\tarvo.exe"), "(\"..\\..\\tarvo.exe\") is refused: it holds a folder separator"},
    {"HostTraversal", suiteAnd("evil", "4", "../../.profile"), "is refused: it holds a folder separator"},
    {"AbsolutePath", suiteAnd("evil", "4", "/etc/passwd"), "is refused: it holds a folder separator"},
    {"DriveLetter", suiteAnd("evil", "4", "c:autoexec.bat"), "is refused: it holds a drive colon"},
    {"Nul", suiteAnd("evil", "4", QByteArray("a\0b", 3)), "is refused: it holds a control character"},
    {"SizeLies", suiteAnd("evil", "999999", "evil.txt"), "claims 999999 bytes, but only"},
    {"SizeNoNumber", suiteAnd("evil", "-4", "evil.txt"), "the size field of item 6 of 6 (evil.txt) is not a number"},
    {"CountZero", installerOf(Stub, Suite).chopped(7) + "100UB13", "it claims 0 items"},
    {"Count150", installerOf(Stub, Suite).chopped(7) + "250UB13", "it claims 150 items"},
    {"CutAtTheFront", installerOf(Stub, Suite).mid(Stub.size() + 10),
     "item 1 of 5 (Tarvo.exe) claims 18 bytes, but only 8 are left in front of it"},
    {"CutInsideARecord", installerOf(Stub, Suite).mid(Stub.size() + 40), "item 1 of 5 is cut off before its name and size"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Installers, CraftedInstallTest, ::testing::ValuesIn(CraftedCases),
                         [](const auto& info) { return std::string(info.param.what); });
