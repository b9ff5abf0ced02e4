// Links as this host's desktops take them: their names, their text, and what
// they start.
#include "platform/shell/DesktopEntry.h"
#include "platform/shell/RecordingShell.h"
#include "platform/shell/ShellFolders.h"
#include "platform/shell/SystemShell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using shell::DesktopEntry;
using shell::KnownFolder;
using shell::ShellFolders;

namespace {

QString textOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

void writeProgram(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    ASSERT_TRUE(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

// Sets environment variables for the length of a test.
auto withEnvironment(const QList<std::pair<const char*, QByteArray>>& values)
{
    QList<std::pair<const char*, std::optional<QByteArray>>> saved;
    for (const auto& [name, value] : values) {
        saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qputenv(name, value);
    }
    return qScopeGuard([saved] {
        for (const auto& [name, value] : saved)
            value ? qputenv(name, *value) : qunsetenv(name);
    });
}

}  // namespace

TEST(DesktopEntryTest, TheLinkNamedForAProgramIsItsDesktopEntryAndShowsTheProgramsName)
{
    EXPECT_EQ(DesktopEntry::hostName("Tarvo.exe.lnk"), "Tarvo.exe.desktop");
    EXPECT_EQ(DesktopEntry::hostName("Notes.TXT.LNK"), "Notes.TXT.desktop");
    EXPECT_EQ(DesktopEntry::hostName("tarvo"), "tarvo.desktop");
    EXPECT_EQ(DesktopEntry::title("Tarvo.exe.lnk"), "Tarvo");
    EXPECT_EQ(DesktopEntry::title("Project.txt.lnk"), "Project.txt");
    EXPECT_EQ(DesktopEntry::title(".exe.lnk"), ".exe");
}

TEST(DesktopEntryTest, AnyFolderNameIsQuotedSoTheEntryStartsExactlyThatProgram)
{
    QTemporaryDir dir;
    for (const QString& target : {QStringLiteral("/opt/tarvo/tarvo"), QStringLiteral("/home/a b/50% \"off\"/$HOME`x`\\y/tarvo")}) {
        const QString path = dir.filePath("Tarvo.exe.desktop");
        ASSERT_TRUE(DesktopEntry::write(path, "Tarvo", target, true));
        EXPECT_EQ(DesktopEntry::readTarget(path), target);
        const QString text = textOf(path);
        EXPECT_TRUE(text.startsWith("[Desktop Entry]\n")) << text.toStdString();
        EXPECT_TRUE(text.contains("\nType=Application\n"));
        EXPECT_TRUE(text.contains("\nName=Tarvo\n"));
        EXPECT_TRUE(text.contains("\nTerminal=false\n"));
        // Desktops start a link only when its file may be run.
        EXPECT_TRUE(QFileInfo(path).isExecutable());
    }
    EXPECT_TRUE(textOf(dir.filePath("Tarvo.exe.desktop")).contains(R"(Exec="/home/a b/50%% \\"off\\"/\\$HOME\\`x\\`\\\\y/tarvo")"));

    // A line break would let the target forge further keys.
    EXPECT_FALSE(DesktopEntry::write(dir.filePath("Evil.desktop"), "Evil", "/x\nExec=/bin/rm", true));
    EXPECT_FALSE(QFile::exists(dir.filePath("Evil.desktop")));
    // A document is opened, not run.
    ASSERT_TRUE(DesktopEntry::write(dir.filePath("Help.desktop"), "Help", "/opt/tarvo/tarvohelp.hlp", false));
    EXPECT_TRUE(textOf(dir.filePath("Help.desktop")).contains("\nType=Link\nURL=file:///opt/tarvo/tarvohelp.hlp\n"));
    EXPECT_EQ(DesktopEntry::readTarget(dir.filePath("Help.desktop")), "/opt/tarvo/tarvohelp.hlp");
    EXPECT_EQ(DesktopEntry::readTarget(dir.filePath("Missing.desktop")), "");
}

TEST(DesktopEntryTest, TheUsersDesktopLayoutPutsTheDesktopAndTheProgramsGroupWhereTheDesktopLooks)
{
    QTemporaryDir home;
    const auto restore = withEnvironment(
        {{"XDG_CONFIG_HOME", home.filePath("config").toUtf8()}, {"XDG_DATA_HOME", home.filePath("data").toUtf8()}});
    QDir().mkpath(home.filePath("config"));
    QFile dirs(home.filePath("config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"" + home.filePath("Schreibtisch").toUtf8() + "\"\n");
    dirs.close();

    ShellFolders folders({}, ShellFolders::Layout::UserDesktop);
    EXPECT_EQ(folders.path(KnownFolder::Desktop), home.filePath("Schreibtisch"));
    EXPECT_EQ(folders.path(KnownFolder::Programs), home.filePath("data/applications"));
    EXPECT_EQ(folders.path(KnownFolder::Recent), home.filePath("data/tarvo/shell/Recent"));
    EXPECT_TRUE(QFileInfo(home.filePath("Schreibtisch")).isDir());
}

TEST(DesktopEntryTest, TheSystemShellLinksAProgramNamedWithExeToItsHostFile)
{
    QTemporaryDir c;
    ASSERT_TRUE(QDir(c.path()).mkpath("tarvo"));
    writeProgram(c.filePath("tarvo/tarvo"));
    shell::SystemShell shell([&](const QString& path) { return QString(path).replace(R"(c:\)", c.path() + "/").replace('\\', '/'); },
                             c.filePath("shell"));
    const QString desktop = shell.knownFolder(KnownFolder::Desktop);

    ASSERT_TRUE(shell.makeLink(desktop + R"(\Tarvo.exe.lnk)", R"(c:\tarvo\tarvo.exe)"));
    // Made twice, the second replaces the first.
    ASSERT_TRUE(shell.makeLink(desktop + R"(\Tarvo.exe.lnk)", R"(c:\tarvo\tarvo.exe)"));
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files | QDir::Hidden), QStringList{"Tarvo.exe.desktop"});
    EXPECT_EQ(DesktopEntry::readTarget(desktop + "/Tarvo.exe.desktop"), c.filePath("tarvo/tarvo"));

    EXPECT_FALSE(shell.makeLink(desktop + R"(\Gone.exe.lnk)", R"(c:\tarvo\Gone.exe)"));
    EXPECT_FALSE(shell.makeLink(c.filePath("No Folder") + R"(\Tarvo.exe.lnk)", R"(c:\tarvo\tarvo.exe)"));
    EXPECT_FALSE(shell.makeLink(desktop + R"(\)", R"(c:\tarvo\tarvo.exe)"));
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files | QDir::Hidden), QStringList{"Tarvo.exe.desktop"});
}

TEST(DesktopEntryTest, TheRecordingShellLinksScriptedProgramsAndCanBeMadeToFail)
{
    QTemporaryDir root;
    shell::RecordingShell shell(root.path(), [](const QString& path) { return QString(path).replace('\\', '/'); });
    shell.addProgram(R"(c:\Tarvo\Tarvo.exe)");
    const QString programs = shell.knownFolder(KnownFolder::Programs);
    ASSERT_TRUE(QDir(programs).mkdir("Tarvo"));

    EXPECT_TRUE(shell.makeLink(programs + R"(\Tarvo\Tarvo.exe.lnk)", R"(c:\Tarvo\Tarvo.exe)"));
    EXPECT_EQ(DesktopEntry::readTarget(programs + "/Tarvo/Tarvo.exe.desktop"), R"(c:\Tarvo\Tarvo.exe)");
    shell.failOn(shell::ShellCall::Kind::MakeLink, 70);
    EXPECT_FALSE(shell.makeLink(programs + R"(\Tarvo\Fly.exe.lnk)", R"(c:\Tarvo\Tarvo.exe)"));
    EXPECT_EQ(shell.callsOf(shell::ShellCall::Kind::MakeLink).size(), 2);
}
