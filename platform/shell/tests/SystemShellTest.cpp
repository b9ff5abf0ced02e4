#include "platform/runtime/Error.h"
#include "platform/shell/HelpDocument.h"
#include "platform/shell/ProgramIcons.h"
#include "platform/shell/RandomSequence.h"
#include "platform/shell/ShortcutFile.h"
#include "platform/shell/SystemShell.h"
#include "platform/testing/ErrorOf.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using shell::Shell;
using shell::KnownFolder;
using shell::SystemShell;
using shell::WindowStyle;
using testing_env::errorOf;

namespace {

// Maps "c:\" to a host folder, backslashes to slashes, as the files layer would.
Shell::PathResolver driveC(const QString& hostFolder)
{
    return [hostFolder](const QString& path) {
        QString host = path;
        if (host.startsWith(R"(c:\)", Qt::CaseInsensitive))
            host = hostFolder + "/" + host.mid(3);
        return host.replace('\\', '/');
    };
}

// Maps "c:\" to a host folder and finds each existing name in any case, as
// the files layer does; a name that is not there keeps its spelling.
Shell::PathResolver driveCAnyCase(const QString& hostFolder)
{
    return [hostFolder](const QString& path) {
        QString host = hostFolder;
        for (const QString& part : path.mid(3).split(u'\\', Qt::SkipEmptyParts)) {
            const QStringList entries = QDir(host).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            QString found = part;
            for (const QString& entry : entries)
                if (entry.compare(part, Qt::CaseInsensitive) == 0)
                    found = entry;
            host += u'/' + found;
        }
        return host;
    };
}

// A program that writes its arguments, one per line, to args.txt beside itself.
void writeArgumentEcho(const QString& path)
{
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.tmp\"\n"
                 "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args.txt\"\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

QString waitForFile(const QString& path)
{
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(10);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<not written>";
    return QString::fromUtf8(file.readAll());
}

}  // namespace

TEST(SystemShellTest, StartsUnquotedWindowsPathWithBlanksThroughTheResolver)
{
    QTemporaryDir c;
    ASSERT_TRUE(QDir(c.path()).mkpath("My Tools"));
    // The programs name it "run.exe"; the host program has no extension.
    writeArgumentEcho(c.filePath("My Tools/run"));
    SystemShell shell(driveC(c.path()), c.filePath("shell"));

    const qint64 id = shell.startProgram(R"(c:\My Tools\run.exe /e, "two words" x)", WindowStyle::NormalFocus);
    EXPECT_GT(id, 0);
    EXPECT_EQ(waitForFile(c.filePath("My Tools/args.txt")), "/e,\ntwo words\nx\n");
}

TEST(SystemShellTest, AProgramNamedWithExeInAnotherCaseStartsTheHostProgram)
{
    QTemporaryDir c;
    ASSERT_TRUE(QDir(c.path()).mkpath("tarvo"));
    writeArgumentEcho(c.filePath("tarvo/fly"));
    SystemShell shell(driveCAnyCase(c.path()), c.filePath("shell"));

    EXPECT_GT(shell.startProgram(R"("c:\Tarvo\Fly.exe")", WindowStyle::NormalFocus), 0);
    EXPECT_EQ(waitForFile(c.filePath("tarvo/args.txt")), "\n");
}

TEST(SystemShellTest, AProgramNamedWithoutAFolderIsFoundBesideTheSuitesPrograms)
{
    QTemporaryDir c;
    ASSERT_TRUE(QDir(c.path()).mkpath("tarvo"));
    writeArgumentEcho(c.filePath("tarvo/pollent"));
    SystemShell shell(driveCAnyCase(c.path()), c.filePath("shell"));
    shell.setSuiteFolder(c.filePath("tarvo"));

    // As a launcher entry names it: the name in its own case, with ".exe".
    EXPECT_GT(shell.startProgram("Pollent.exe /b", WindowStyle::NormalFocus), 0);
    EXPECT_EQ(waitForFile(c.filePath("tarvo/args.txt")), "/b\n");
    QFile::remove(c.filePath("tarvo/args.txt"));
    EXPECT_GT(shell.startProgram("pollent", WindowStyle::NormalFocus), 0);
    EXPECT_EQ(waitForFile(c.filePath("tarvo/args.txt")), "\n");
    QFile::remove(c.filePath("tarvo/args.txt"));
    EXPECT_TRUE(shell.openDocument("POLLENT.EXE"));
    EXPECT_EQ(waitForFile(c.filePath("tarvo/args.txt")), "\n");

    // A file there that is no program is not started; a name that is
    // nowhere stays missing.
    QFile notes(c.filePath("tarvo/readme"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    EXPECT_EQ(errorOf([&] { shell.startProgram("Readme.exe", WindowStyle::NormalFocus); }), 53);
    EXPECT_EQ(errorOf([&] { shell.startProgram("Drossel-Not-Here.exe", WindowStyle::NormalFocus); }), 53);
}

TEST(SystemShellTest, StartFailuresRaiseTheirNumbers)
{
    QTemporaryDir c;
    QFile data(c.filePath("notes.txt"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.close();
    SystemShell shell(driveC(c.path()), c.filePath("shell"));

    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\Winnt\system32\calc.exe)", WindowStyle::NormalFocus); }), 53);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\)", WindowStyle::NormalFocus); }), 53);
    EXPECT_EQ(errorOf([&] { shell.startProgram("  ", WindowStyle::NormalFocus); }), 5);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\notes.txt)", WindowStyle::NormalFocus); }), 70);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\notes.txt)", WindowStyle(7)); }), 5);
}

TEST(SystemShellTest, OpeningAProgramRunsItAndMissingPathsAnswerFalse)
{
    QTemporaryDir c;
    writeArgumentEcho(c.filePath("tarvo.exe"));
    SystemShell shell(driveC(c.path()), c.filePath("shell"));

    EXPECT_TRUE(shell.openDocument(R"(c:\tarvo.exe)"));
    EXPECT_EQ(waitForFile(c.filePath("args.txt")), "\n");  // started with no arguments
    EXPECT_FALSE(shell.openDocument(R"(c:\TARVOHELP.HLP)"));
    EXPECT_FALSE(shell.showHelp(R"(c:\TARVOHELP.HLP)"));
    EXPECT_FALSE(shell.openDocument(""));
}

// An installer opens the launcher it wrote by the name the programs know it
// by; on the host the program carries no ".exe".
TEST(SystemShellTest, OpeningAProgramNamedWithExeRunsItsHostFile)
{
    QTemporaryDir c;
    ASSERT_TRUE(QDir(c.path()).mkpath("tarvo"));
    writeArgumentEcho(c.filePath("tarvo/tarvo"));
    SystemShell shell(driveCAnyCase(c.path()), c.filePath("shell"));

    EXPECT_TRUE(shell.openDocument(R"(c:\Tarvo\Tarvo.exe)"));
    EXPECT_EQ(waitForFile(c.filePath("tarvo/args.txt")), "\n");
    shell.addRecentDocument(R"(c:\Tarvo\Tarvo.exe)");
    EXPECT_EQ(shell::ShortcutFile::readTarget(c.filePath("shell/Recent/Tarvo.exe.lnk")), c.filePath("tarvo/tarvo"));
    EXPECT_FALSE(shell.openDocument(R"(c:\Tarvo\Fly.exe)"));
}

TEST(SystemShellTest, ExploringAMissingFolderRaises76)
{
    QTemporaryDir c;
    SystemShell shell(driveC(c.path()), c.filePath("shell"));
    EXPECT_EQ(errorOf([&] { shell.explore(R"(c:\No Such Job)"); }), 76);
}

TEST(SystemShellTest, RecentDocumentLinkAndKnownFoldersLiveUnderTheRoot)
{
    QTemporaryDir c;
    writeArgumentEcho(c.filePath("Tarvo.exe"));
    SystemShell shell(driveC(c.path()), c.filePath("shell"));

    EXPECT_EQ(shell.knownFolder(KnownFolder::Desktop), c.filePath("shell/Desktop"));
    shell.addRecentDocument(R"(c:\Tarvo.exe)");
    shell.addRecentDocument(R"(c:\Gone.exe)");
    EXPECT_EQ(shell::ShortcutFile::readTarget(c.filePath("shell/Recent/Tarvo.exe.lnk")), c.filePath("Tarvo.exe"));
    EXPECT_FALSE(QFile::exists(c.filePath("shell/Recent/Gone.exe.lnk")));
}

TEST(SystemShellTest, ClipboardRoundTrip)
{
    SystemShell shell;
    shell.clearClipboard();
    shell.setClipboardText("33.5280007266998");
    EXPECT_EQ(shell.clipboardText(), "33.5280007266998");
    shell.clearClipboard();
    EXPECT_EQ(shell.clipboardText(), "");
    shell.setClipboardText("x");
    shell.setClipboardText("");
    EXPECT_EQ(shell.clipboardText(), "");
}

TEST(SystemShellTest, RndFollowsTheOneSequenceFromItsFixedStart)
{
    SystemShell first;
    SystemShell second;
    shell::RandomSequence reference;
    for (int i = 0; i < 1000; ++i) {
        const double expected = reference.next();
        ASSERT_EQ(first.rnd(), expected);
        ASSERT_EQ(second.rnd(), expected);
    }
}

TEST(SystemShellTest, SleepWaitsAtLeastTheTimeAsked)
{
    SystemShell shell;
    QElapsedTimer timer;
    timer.start();
    shell.sleepMs(120);
    EXPECT_GE(timer.elapsed(), 120);
    timer.restart();
    shell.sleepMs(-5);
    EXPECT_LT(timer.elapsed(), 100);
}

TEST(SystemShellTest, TheFileManagerLineShowsItsWholeFolderAndAMissingOneRaises76)
{
    QTemporaryDir c;
    SystemShell shell(driveC(c.path()), c.filePath("shell"));
    // Taken whole: neither "c:\No" nor "c:\No Such, Job" is asked for.
    ASSERT_TRUE(QDir(c.path()).mkpath("No"));
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(explorer.exe /e, c:\No Such, Job)", WindowStyle::NormalFocus); }),
              76);
}

TEST(SystemShellTest, TheCadProgramsPathStartsTheProvidedHostProgram)
{
    QTemporaryDir c;
    const QString acad = R"(c:\Program Files\Autocad 2002\Acad.exe)";
    SystemShell shell(driveC(c.path()), c.filePath("shell"));
    shell.provideProgram("acad.exe", c.filePath("bin/cadhost"));
    // Nothing is provided while the host program is missing.
    EXPECT_EQ(errorOf([&] { shell.startProgram(acad, WindowStyle::Maximized); }), 53);

    ASSERT_TRUE(QDir(c.path()).mkpath("bin"));
    writeArgumentEcho(c.filePath("bin/cadhost"));
    EXPECT_GT(shell.startProgram(acad + " /p drafting", WindowStyle::Maximized), 0);
    EXPECT_EQ(waitForFile(c.filePath("bin/args.txt")), "/p\ndrafting\n");
    // Another program's name is not the host's.
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\Program Files\Autocad 2002\Acadx.exe)", WindowStyle::Maximized); }),
              53);
}

TEST(SystemShellTest, ProgramIconsTellTheSuiteFromOtherFiles)
{
    QTemporaryDir c;
    ASSERT_TRUE(QDir(c.path()).mkpath("tarvo"));
    writeArgumentEcho(c.filePath("tarvo/fly"));
    writeArgumentEcho(c.filePath("tool"));
    SystemShell shell(driveC(c.path()), c.filePath("shell"));
    shell.setSuiteFolder(c.filePath("tarvo"));

    EXPECT_EQ(shell.programIcon(R"(c:\tarvo\fly.exe)").pixmap(32).toImage(),
              shell::ProgramIcons::suiteIcon("fly").pixmap(32).toImage());
    const QIcon other = shell.programIcon(R"(c:\tool.exe)");
    EXPECT_FALSE(other.isNull());
    EXPECT_NE(other.pixmap(32).toImage(), shell::ProgramIcons::suiteIcon("tool").pixmap(32).toImage());
    EXPECT_TRUE(shell.programIcon(R"(c:\Winnt\system32\calc.exe)").isNull());
    EXPECT_TRUE(shell.programIcon("").isNull());
}

TEST(SystemShellTest, AHelpFileIsShownAsAnHtmlCopyKeptUpToDate)
{
    QTemporaryDir c;
    QFile help(c.filePath("TARVOHELP.HLP"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body>one</body></html>");
    help.close();

    const QString copy = shell::HelpDocument::viewableCopy(help.fileName(), c.filePath("shell/help"));
    EXPECT_EQ(copy, c.filePath("shell/help/TARVOHELP.html"));
    EXPECT_EQ(waitForFile(copy), "<html><body>one</body></html>");
    ASSERT_TRUE(help.open(QIODevice::WriteOnly | QIODevice::Truncate));
    help.write("<html><body>two</body></html>");
    help.close();
    shell::HelpDocument::viewableCopy(help.fileName(), c.filePath("shell/help"));
    EXPECT_EQ(waitForFile(copy), "<html><body>two</body></html>");

    EXPECT_TRUE(shell::HelpDocument::isHelpFile(R"(c:\tarvo\tarvohelp.hlp)"));
    EXPECT_FALSE(shell::HelpDocument::isHelpFile(R"(c:\tarvo\help.html)"));
    EXPECT_EQ(shell::HelpDocument::viewableCopy(c.filePath("missing.hlp"), c.filePath("shell/help")), "");
}
