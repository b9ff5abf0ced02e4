#include "platform/runtime/Error.h"
#include "platform/shell/ProgramIcons.h"
#include "platform/shell/RandomSequence.h"
#include "platform/shell/RecordingShell.h"
#include "platform/shell/ShortcutFile.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

using shell::RecordingShell;
using shell::ShellCall;
using shell::KnownFolder;
using shell::WindowStyle;
using Kind = shell::ShellCall::Kind;
using testing_env::errorOf;

TEST(RecordingShellTest, RecordsEveryCallInOrderWithItsArguments)
{
    QTemporaryDir root;
    RecordingShell shell(root.path());
    shell.addProgram(R"(c:\Program Files\Draft 2002\Draft.exe)");
    shell.addProgram(R"(c:\tarvo\Fly.exe)");

    const qint64 draft = shell.startProgram(R"(c:\Program Files\Draft 2002\Draft.exe)", WindowStyle::Maximized);
    const qint64 fly = shell.startProgram(R"(c:\tarvo\Fly.exe)", WindowStyle::NormalFocus);
    shell.explore("");
    shell.openDocument(R"(c:\tarvo\TARVOHELP.HLP)");
    shell.showHelp(R"(c:\tarvo\TARVOHELP.HLP)");
    shell.knownFolder(KnownFolder::Recent);
    shell.clearClipboard();
    shell.setClipboardText("36");
    shell.sleepMs(1000);

    EXPECT_NE(draft, fly);
    const QList<ShellCall> expected{
        {Kind::StartProgram, R"(c:\Program Files\Draft 2002\Draft.exe)", 3},
        {Kind::StartProgram, R"(c:\tarvo\Fly.exe)", 1},
        {Kind::Explore, "", 0},
        {Kind::OpenDocument, R"(c:\tarvo\TARVOHELP.HLP)", 0},
        {Kind::ShowHelp, R"(c:\tarvo\TARVOHELP.HLP)", 0},
        {Kind::KnownFolder, "", 8},
        {Kind::ClearClipboard, "", 0},
        {Kind::SetClipboardText, "36", 0},
        {Kind::Sleep, "", 1000},
    };
    EXPECT_EQ(shell.calls(), expected);
    EXPECT_EQ(shell.callsOf(Kind::StartProgram).size(), 2);
}

TEST(RecordingShellTest, StartOfMissingProgramRaises53AndIsStillRecorded)
{
    RecordingShell shell;
    shell.addProgram("C:/TARVO/fly.exe");
    // Scripted programs match regardless of case and separator.
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\tarvo\Fly.exe)", WindowStyle::NormalFocus); }), 0);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\tarvo\Ploven.exe)", WindowStyle::NormalFocus); }), 53);
    EXPECT_EQ(errorOf([&] { shell.startProgram("", WindowStyle::NormalFocus); }), 5);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\tarvo\Fly.exe)", WindowStyle(5)); }), 5);
    EXPECT_EQ(shell.callsOf(Kind::StartProgram).size(), 4);
    EXPECT_EQ(shell.calls()[1].text, R"(c:\tarvo\Ploven.exe)");
}

TEST(RecordingShellTest, ProgramsFoundThroughTheResolverCountAsExisting)
{
    QTemporaryDir install;
    QFile program(install.filePath("pollent.exe"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    RecordingShell shell({}, [&](const QString& path) {
        QString host = path;
        return host.replace(R"(c:\tarvo\)", install.path() + "/", Qt::CaseInsensitive);
    });
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\tarvo\pollent.exe)", WindowStyle::NormalFocus); }), 0);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\tarvo\drossel.exe)", WindowStyle::NormalFocus); }), 53);
}

TEST(RecordingShellTest, ScriptedFailuresAnswerOrRaiseUntilCleared)
{
    RecordingShell shell;
    shell.addProgram(R"(c:\x.exe)");
    shell.failOn(Kind::StartProgram, 70);
    shell.failOn(Kind::Explore, 76);
    shell.failOn(Kind::OpenDocument, 1);
    shell.failOn(Kind::KnownFolder, 1);
    shell.failOn(Kind::SetClipboardText, 521);

    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\x.exe)", WindowStyle::NormalFocus); }), 70);
    EXPECT_EQ(errorOf([&] { shell.explore(R"(c:\)"); }), 76);
    EXPECT_FALSE(shell.openDocument(R"(c:\x.exe)"));
    EXPECT_TRUE(shell.knownFolder(KnownFolder::Desktop).isEmpty());
    EXPECT_EQ(errorOf([&] { shell.setClipboardText("a"); }), 521);
    EXPECT_EQ(shell.calls().size(), 5);

    shell.clearFailures();
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(c:\x.exe)", WindowStyle::NormalFocus); }), 0);
    EXPECT_TRUE(shell.openDocument(R"(c:\x.exe)"));
    EXPECT_FALSE(shell.knownFolder(KnownFolder::Desktop).isEmpty());
}

TEST(RecordingShellTest, QueuedRndValuesComeFirstThenTheUntouchedSequence)
{
    RecordingShell shell;
    shell.queueRnd(0.5);
    shell.queueRnd(0.0);
    EXPECT_THROW(shell.queueRnd(1.0), std::invalid_argument);
    EXPECT_THROW(shell.queueRnd(-0.1), std::invalid_argument);

    shell::RandomSequence reference;
    EXPECT_EQ(shell.rnd(), 0.5);
    EXPECT_EQ(shell.rnd(), 0.0);
    EXPECT_EQ(shell.rnd(), reference.next());
    EXPECT_EQ(shell.rnd(), reference.next());
    EXPECT_EQ(shell.callsOf(Kind::Rnd).size(), 4);
}

TEST(RecordingShellTest, KeepsItsOwnClipboard)
{
    RecordingShell shell;
    EXPECT_EQ(shell.clipboardText(), "");
    shell.setClipboardText("33.53");
    EXPECT_EQ(shell.clipboardText(), "33.53");
    shell.clearClipboard();
    shell.setClipboardText("");
    EXPECT_EQ(shell.clipboardText(), "");
    EXPECT_EQ(shell.callsOf(Kind::ClipboardText)[1], (ShellCall{Kind::ClipboardText, "33.53", 0}));
}

TEST(RecordingShellTest, RecentDocumentLeavesALinkThatCanBeCopiedToTheDesktop)
{
    QTemporaryDir root;
    RecordingShell shell(root.path());
    shell.addProgram(R"(c:\tarvo\Tarvo.exe)");

    shell.addRecentDocument(R"(c:\tarvo\Tarvo.exe)");
    const QString recentLink = QDir(shell.knownFolder(KnownFolder::Recent)).filePath("Tarvo.exe.lnk");
    EXPECT_EQ(shell::ShortcutFile::readTarget(recentLink), R"(c:\tarvo\Tarvo.exe)");

    const QString desktopLink = QDir(shell.knownFolder(KnownFolder::Desktop)).filePath("Tarvo.exe.lnk");
    ASSERT_TRUE(QFile::copy(recentLink, desktopLink));
    EXPECT_EQ(shell::ShortcutFile::readTarget(desktopLink), R"(c:\tarvo\Tarvo.exe)");

    // A document that does not exist, or a shell that records nothing, leaves no link.
    shell.addRecentDocument(R"(c:\tarvo\Missing.exe)");
    shell.addProgram(R"(c:\tarvo\Fly.exe)");
    shell.failOn(Kind::AddRecentDocument, 1);
    shell.addRecentDocument(R"(c:\tarvo\Fly.exe)");
    EXPECT_FALSE(QFile::exists(QDir(root.path()).filePath("Recent/Missing.exe.lnk")));
    EXPECT_FALSE(QFile::exists(QDir(root.path()).filePath("Recent/Fly.exe.lnk")));
    EXPECT_EQ(shell.callsOf(Kind::AddRecentDocument).size(), 3);
}

TEST(RecordingShellTest, TheFileManagerStartsOnAnyFolderAndIsRecordedAsTheLineWas)
{
    RecordingShell shell;
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(explorer.exe /e, C:\No Such\Folder)", WindowStyle::NormalFocus); }), 0);
    EXPECT_EQ(errorOf([&] { shell.startProgram("explorer.exe /e, ", WindowStyle::NormalFocus); }), 0);
    EXPECT_EQ(errorOf([&] { shell.startProgram(R"(explorer.exe /e, C:\x)", WindowStyle(5)); }), 5);
    ASSERT_EQ(shell.callsOf(Kind::StartProgram).size(), 3);
    EXPECT_EQ(shell.calls()[0], (ShellCall{Kind::StartProgram, R"(explorer.exe /e, C:\No Such\Folder)", 1}));
}

TEST(RecordingShellTest, ProgramIconsOfTheSuiteOthersAndMissingFiles)
{
    RecordingShell shell;
    shell.setSuiteFolder(R"(C:\Tarvo)");
    shell.addProgram(R"(c:\tarvo\MERVANE.EXE)");
    shell.addProgram(R"(c:\Tools\draw.exe)");

    const QImage suite = shell.programIcon(R"(c:\tarvo\MERVANE.EXE)").pixmap(32).toImage();
    EXPECT_EQ(suite, shell::ProgramIcons::suiteIcon("Mervane").pixmap(32).toImage());
    EXPECT_EQ(shell.programIcon(R"(c:\Tools\draw.exe)").pixmap(32).toImage(),
              shell::ProgramIcons::plainIcon().pixmap(32).toImage());
    EXPECT_TRUE(shell.programIcon(R"(c:\tarvo\Ploven.exe)").isNull());
    EXPECT_TRUE(shell.programIcon("").isNull());
    EXPECT_EQ(shell.callsOf(Kind::ProgramIcon).size(), 4);
}
