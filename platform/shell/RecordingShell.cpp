#include "platform/shell/RecordingShell.h"

#include "platform/runtime/Error.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/DesktopEntry.h"
#include "platform/shell/ExplorerCommand.h"
#include "platform/shell/ProgramIcons.h"
#include "platform/shell/ShortcutFile.h"

#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

namespace shell {

namespace {

QString programKey(QString path) { return path.replace(u'/', u'\\').toCaseFolded(); }

std::unique_ptr<QTemporaryDir> makeOwnRoot(const QString& shellRoot)
{
    if (!shellRoot.isEmpty())
        return nullptr;
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid())
        throw std::runtime_error("RecordingShell: cannot make a temporary shell root");
    return dir;
}

}  // namespace

RecordingShell::RecordingShell(QString shellRoot, PathResolver resolve)
    : ownRoot_(makeOwnRoot(shellRoot)),
      folders_(ownRoot_ ? ownRoot_->path() : std::move(shellRoot)),
      resolve_(resolve ? std::move(resolve) : PathResolver([](const QString& p) { return p; }))
{
}

void RecordingShell::addProgram(const QString& path) { programs_.insert(programKey(path)); }

void RecordingShell::queueRnd(double value)
{
    if (!(value >= 0.0 && value < 1.0))
        throw std::invalid_argument("RecordingShell::queueRnd: value outside [0, 1)");
    rndQueue_.append(value);
}

void RecordingShell::failOn(ShellCall::Kind kind, int32_t errorNumber) { failures_.insert(kind, errorNumber); }

void RecordingShell::clearFailures() { failures_.clear(); }

QList<ShellCall> RecordingShell::callsOf(ShellCall::Kind kind) const
{
    QList<ShellCall> result;
    for (const ShellCall& call : calls_) {
        if (call.kind == kind)
            result.append(call);
    }
    return result;
}

void RecordingShell::record(ShellCall::Kind kind, const QString& text, qint64 number)
{
    calls_.append(ShellCall{kind, text, number});
}

void RecordingShell::raiseIfFailing(ShellCall::Kind kind) const
{
    const auto it = failures_.constFind(kind);
    if (it != failures_.constEnd())
        runtime::raise(it.value());
}

QString RecordingShell::resolveQuietly(const QString& path) const
{
    try {
        return resolve_(path);
    } catch (const runtime::Error&) {
        return {};
    }
}

QString RecordingShell::locateProgram(const QString& candidate) const
{
    if (programs_.contains(programKey(candidate)))
        return candidate;
    const QString host = resolveQuietly(candidate);
    return !host.isEmpty() && QFileInfo(host).isFile() ? host : QString();
}

qint64 RecordingShell::startProgram(const QString& commandLine, WindowStyle style)
{
    record(ShellCall::Kind::StartProgram, commandLine, qint64(style));
    raiseIfFailing(ShellCall::Kind::StartProgram);
    checkWindowStyle(style);
    if (ExplorerCommand::folderOf(commandLine))
        return 0;
    CommandLine::parse(commandLine, [this](const QString& c) { return locateProgram(c); });
    return nextTaskId_++;
}

bool RecordingShell::openDocument(const QString& path)
{
    record(ShellCall::Kind::OpenDocument, path);
    return !fails(ShellCall::Kind::OpenDocument);
}

void RecordingShell::explore(const QString& folder)
{
    record(ShellCall::Kind::Explore, folder);
    raiseIfFailing(ShellCall::Kind::Explore);
}

bool RecordingShell::showHelp(const QString& helpFile)
{
    record(ShellCall::Kind::ShowHelp, helpFile);
    return !fails(ShellCall::Kind::ShowHelp);
}

QIcon RecordingShell::programIcon(const QString& path)
{
    record(ShellCall::Kind::ProgramIcon, path);
    if (path.isEmpty() || locateProgram(path).isEmpty())
        return {};
    const qsizetype nameStart = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    const QString folder = path.left(std::max<qsizetype>(nameStart, 0));
    if (!suiteFolder_.isEmpty() && programKey(folder) == programKey(suiteFolder_))
        return ProgramIcons::suiteIcon(path);
    return ProgramIcons::plainIcon();
}

QString RecordingShell::knownFolder(KnownFolder folder)
{
    record(ShellCall::Kind::KnownFolder, {}, qint64(folder));
    return fails(ShellCall::Kind::KnownFolder) ? QString() : folders_.path(folder);
}

QString RecordingShell::existingTarget(const QString& path) const
{
    // A scripted program counts as existing, so installer tests need no real file.
    if (programs_.contains(programKey(path)))
        return path;
    const QString host = resolveQuietly(path);
    if (!host.isEmpty() && QFileInfo::exists(host))
        return QFileInfo(host).absoluteFilePath();
    // A host program carries no ".exe": the name without it stands for it.
    if (path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
        const QString bare = resolveQuietly(path.chopped(4));
        if (!bare.isEmpty() && QFileInfo(bare).isFile())
            return QFileInfo(bare).absoluteFilePath();
    }
    return {};
}

void RecordingShell::addRecentDocument(const QString& path)
{
    record(ShellCall::Kind::AddRecentDocument, path);
    if (fails(ShellCall::Kind::AddRecentDocument))
        return;
    const QString target = existingTarget(path);
    if (!target.isEmpty())
        ShortcutFile::writeRecentLink(folders_.path(KnownFolder::Recent), path, target);
}

bool RecordingShell::makeLink(const QString& linkPath, const QString& target)
{
    record(ShellCall::Kind::MakeLink, linkPath + QStringLiteral(" -> ") + target);
    if (fails(ShellCall::Kind::MakeLink))
        return false;
    // A scripted program is a program whether or not a file stands for it.
    const QString host = existingTarget(target);
    const bool program = programs_.contains(programKey(target)) || QFileInfo(host).isExecutable();
    return DesktopEntry::place(resolveQuietly(linkPath), host, program);
}

void RecordingShell::clearClipboard()
{
    record(ShellCall::Kind::ClearClipboard);
    raiseIfFailing(ShellCall::Kind::ClearClipboard);
    clipboard_.clear();
}

void RecordingShell::setClipboardText(const QString& text)
{
    record(ShellCall::Kind::SetClipboardText, text);
    raiseIfFailing(ShellCall::Kind::SetClipboardText);
    clipboard_ = text;
}

QString RecordingShell::clipboardText()
{
    const bool failing = fails(ShellCall::Kind::ClipboardText);
    record(ShellCall::Kind::ClipboardText, failing ? QString() : clipboard_);
    raiseIfFailing(ShellCall::Kind::ClipboardText);
    return clipboard_;
}

double RecordingShell::rnd()
{
    record(ShellCall::Kind::Rnd);
    raiseIfFailing(ShellCall::Kind::Rnd);
    // Queued values use up none of the sequence's values.
    return rndQueue_.isEmpty() ? random_.next() : rndQueue_.takeFirst();
}

void RecordingShell::sleepMs(int milliseconds)
{
    record(ShellCall::Kind::Sleep, {}, milliseconds);
    raiseIfFailing(ShellCall::Kind::Sleep);
}

}  // namespace shell
