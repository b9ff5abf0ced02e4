#include "installer/unbalo/ShortcutMaker.h"

#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"
#include "platform/shell/Shell.h"

namespace unbalo {

namespace {
// The wait the shell was given to record the recent document.
constexpr int RecentWaitMs = 200;
}  // namespace

QString ShortcutMaker::GetSpecialFolder(shell::KnownFolder folder) { return env_.shell->knownFolder(folder); }

QString ShortcutMaker::FileNameOf(const QString& path) { return path.mid(path.lastIndexOf(u'\\') + 1); }

void ShortcutMaker::link(const QString& folder, const QString& program)
{
    const QString name = FileNameOf(program);
    // A path that ends in a folder names no program to link to.
    if (name.isEmpty() || !env_.shell->makeLink(folder + u'\\' + name + QStringLiteral(".lnk"), program))
        runtime::raise(runtime::err::FileNotFound);
}

void ShortcutMaker::MakeDesktopShortcut(const QString& program)
{
    env_.shell->addRecentDocument(program);
    env_.shell->sleepMs(RecentWaitMs);
    const QString desktop = GetSpecialFolder(shell::KnownFolder::Desktop);
    if (desktop.isEmpty())
        return;
    link(desktop, program);
}

// The group goes into the start menu's programs group, asked for by its own
// number: on this host that folder is the applications menu's, which is not
// inside the start menu's folder.
void ShortcutMaker::MakeStartMenuShortcut(const QString& program, const QString& group)
{
    env_.shell->addRecentDocument(program);
    const QString programs = GetSpecialFolder(shell::KnownFolder::Programs);
    if (programs.isEmpty())
        return;
    const QString folder = programs + u'\\' + group;
    // An existing group folder is reused.
    if (!env_.files->folderExists(folder))
        env_.files->makeFolder(folder);
    env_.shell->sleepMs(RecentWaitMs);
    link(folder, program);
}

}  // namespace unbalo
