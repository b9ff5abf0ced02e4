#include "platform/shell/SystemShell.h"

#include "platform/files/PathResolver.h"
#include "platform/runtime/Error.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/DesktopEntry.h"
#include "platform/shell/ExplorerCommand.h"
#include "platform/shell/HelpDocument.h"
#include "platform/shell/ProgramIcons.h"
#include "platform/shell/ShortcutFile.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>
#include <thread>

namespace shell {

namespace {

constexpr int32_t CantOpenClipboard = 521;

// The clipboard belongs to the GUI application; a program running without one
// (a console test, a batch run) has none, which is the error the runtime gives
// for a clipboard it cannot open.
QClipboard* clipboardOrRaise()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        runtime::raise(CantOpenClipboard, QStringLiteral("Can't open Clipboard"));
    return QGuiApplication::clipboard();
}

bool isFile(const QString& hostPath) { return !hostPath.isEmpty() && QFileInfo(hostPath).isFile(); }

QString withoutExe(const QString& path)
{
    return path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) ? path.chopped(4) : QString();
}

// The file `name` names in `folder`, in any case: the programs name files as
// the original platform did, where case does not matter. "" when none.
QString fileInFolder(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || name.isEmpty())
        return {};
    const QString entry = files::PathResolver::findEntry(folder, name);
    const QString path = entry.isEmpty() ? QString() : QDir(folder).absoluteFilePath(entry);
    return isFile(path) ? path : QString();
}

}  // namespace

SystemShell::SystemShell(PathResolver resolve, QString shellRoot)
    : resolve_(resolve ? std::move(resolve) : PathResolver([](const QString& p) { return p; })),
      folders_(shellRoot, shellRoot.isEmpty() ? ShellFolders::Layout::UserDesktop : ShellFolders::Layout::OwnRoot)
{
}

void SystemShell::provideProgram(const QString& fileName, const QString& hostProgram)
{
    provided_.insert(ProgramIcons::programName(fileName), hostProgram);
}

QString SystemShell::providedProgram(const QString& candidate) const
{
    const QString host = provided_.value(ProgramIcons::programName(candidate));
    const QFileInfo program(host);
    return !host.isEmpty() && program.isFile() && program.isExecutable() ? program.absoluteFilePath() : QString();
}

QString SystemShell::suiteFolder() const
{
    if (!suiteFolder_.isEmpty())
        return QFileInfo(suiteFolder_).absoluteFilePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QString SystemShell::resolveQuietly(const QString& path) const
{
    try {
        return resolve_(path);
    } catch (const runtime::Error&) {
        return {};
    }
}

QString SystemShell::existingTarget(const QString& path) const
{
    const QString host = resolveQuietly(path);
    if (!host.isEmpty() && QFileInfo::exists(host))
        return QFileInfo(host).absoluteFilePath();
    if (withoutExe(path).isEmpty())
        return {};
    const QString program = locateProgram(path);
    return program.isEmpty() ? QString() : QFileInfo(program).absoluteFilePath();
}

// Assumptions about the host, beyond the resolver's mapping:
// - The programs name programs with ".exe" while host executables carry no
//   extension, so a missing "x.exe" is looked for as "x" beside it.
// - A bare name without any folder ("Pollent.exe", "gedit") is looked for
//   beside the running program and then on the host's PATH, as the original
//   platform searches the starting program's folder and then its own program
//   folders; the suite's programs lie beside each other.
QString SystemShell::locateProgram(const QString& candidate) const
{
    const QString host = resolveQuietly(candidate);
    if (isFile(host))
        return QFileInfo(host).absoluteFilePath();
    const QString bare = withoutExe(host);
    if (isFile(bare))
        return QFileInfo(bare).absoluteFilePath();
    // The resolver finds a name in any case ("Fly.exe" for "fly"), so the
    // name without ".exe" goes through it too.
    const QString bareCandidate = withoutExe(candidate);
    const QString resolvedBare = bareCandidate.isEmpty() ? QString() : resolveQuietly(bareCandidate);
    if (isFile(resolvedBare))
        return QFileInfo(resolvedBare).absoluteFilePath();
    const QString provided = providedProgram(candidate);
    if (!provided.isEmpty())
        return provided;
    if (!candidate.contains(u'/') && !candidate.contains(u'\\') && !candidate.contains(u':')) {
        for (const QString& name : {candidate, withoutExe(candidate)}) {
            const QString beside = fileInFolder(suiteFolder(), name);
            if (!beside.isEmpty() && QFileInfo(beside).isExecutable())
                return beside;
        }
    }
    if (!candidate.contains(u'/') && !candidate.contains(u'\\')) {
        QString found = QStandardPaths::findExecutable(candidate);
        if (found.isEmpty() && !withoutExe(candidate).isEmpty())
            found = QStandardPaths::findExecutable(withoutExe(candidate));
        return found;
    }
    return {};
}

// The host gives a started program no portable way to be told the state of its
// first window, so the style is checked but not passed on.
qint64 SystemShell::startProgram(const QString& commandLine, WindowStyle style)
{
    checkWindowStyle(style);
    if (const std::optional<QString> folder = ExplorerCommand::folderOf(commandLine)) {
        explore(*folder);
        return 0;
    }
    const CommandLine command =
        CommandLine::parse(commandLine, [this](const QString& c) { return locateProgram(c); });
    if (!QFileInfo(command.program).isExecutable())
        runtime::raise(runtime::err::PermissionDenied);
    qint64 pid = 0;
    if (!QProcess::startDetached(command.program, command.arguments(), QString(), &pid))
        runtime::raise(runtime::err::InvalidProcedureCall);
    return pid;
}

bool SystemShell::openDocument(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo target(existingTarget(path));
    if (target.filePath().isEmpty() || !target.exists())
        return false;
    // The default action on a program is to run it.
    if (target.isFile() && target.isExecutable())
        return QProcess::startDetached(target.absoluteFilePath(), {});
    if (target.isFile() && HelpDocument::isHelpFile(target.fileName())) {
        const QString copy =
            HelpDocument::viewableCopy(target.absoluteFilePath(), folders_.root() + QStringLiteral("/help"));
        return !copy.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(copy));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath()));
}

// The file manager's own starting place, for an empty folder, is taken to be the
// user's home folder.
void SystemShell::explore(const QString& folder)
{
    const QString host = folder.isEmpty() ? QDir::homePath() : resolve_(folder);
    const QFileInfo target(host);
    if (host.isEmpty() || !target.isDir())
        runtime::raise(runtime::err::PathNotFound);
    // No file manager to show it in is the platform's missing explorer program.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath())))
        runtime::raise(runtime::err::FileNotFound);
}

// The host has no help viewer of its own: the help file opens in whatever the
// desktop associates with it.
bool SystemShell::showHelp(const QString& helpFile) { return openDocument(helpFile); }

QIcon SystemShell::programIcon(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QString host = locateProgram(path);
    if (host.isEmpty()) {
        // Not a program, but maybe a document: it shows its own type's icon.
        return ProgramIcons::desktopIcon(resolveQuietly(path));
    }
    const QFileInfo program(host);
    if (program.isExecutable() && program.absolutePath() == suiteFolder())
        return ProgramIcons::suiteIcon(program.fileName());
    return ProgramIcons::desktopIcon(host);
}

QString SystemShell::knownFolder(KnownFolder folder) { return folders_.path(folder); }

void SystemShell::addRecentDocument(const QString& path)
{
    const QString host = existingTarget(path);
    if (host.isEmpty())
        return;
    ShortcutFile::writeRecentLink(folders_.path(KnownFolder::Recent), path, host);
}

bool SystemShell::makeLink(const QString& linkPath, const QString& target)
{
    const QString host = existingTarget(target);
    const QFileInfo program(host);
    return DesktopEntry::place(resolveQuietly(linkPath), host, program.isFile() && program.isExecutable());
}

void SystemShell::clearClipboard() { clipboardOrRaise()->clear(); }

void SystemShell::setClipboardText(const QString& text) { clipboardOrRaise()->setText(text); }

QString SystemShell::clipboardText() { return clipboardOrRaise()->text(); }

double SystemShell::rnd() { return random_.next(); }

void SystemShell::sleepMs(int milliseconds)
{
    // sleep_for waits at least the time asked, whatever signals arrive meanwhile.
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace shell
