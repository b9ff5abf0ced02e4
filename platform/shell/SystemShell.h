#pragma once

#include "platform/shell/RandomSequence.h"
#include "platform/shell/Shell.h"
#include "platform/shell/ShellFolders.h"

#include <QHash>

namespace shell {

// The shell of real runs: programs start as detached host processes, documents
// and folders open through the desktop's default applications (the suite's
// help files in its web browser), the clipboard is the application's
// clipboard, special folders live under a root of our own.
class SystemShell : public Shell {
public:
    // No resolver: paths are taken as host paths. An empty root: the default
    // ShellFolders root in the user's desktop layout, so that links made on
    // the desktop and in the programs group show on the user's desktop and in
    // its applications menu; a root of its own keeps every folder under it.
    explicit SystemShell(PathResolver resolve = {}, QString shellRoot = {});

    // A program the environment provides in place of a program file the
    // programs name that is not there: a start of any missing file of that
    // name ("acad.exe", any case, in any folder) starts the host program.
    // Nothing is provided while the host program itself is missing.
    void provideProgram(const QString& fileName, const QString& hostProgram);

    // The folder the suite's programs run from; their icons are their window
    // icons, and a program named without a folder is looked for there before
    // the PATH. Empty: this program's own folder.
    void setSuiteFolder(const QString& hostFolder) { suiteFolder_ = hostFolder; }

    qint64 startProgram(const QString& commandLine, WindowStyle style) override;
    bool openDocument(const QString& path) override;
    void explore(const QString& folder) override;
    bool showHelp(const QString& helpFile) override;
    QIcon programIcon(const QString& path) override;
    QString knownFolder(KnownFolder folder) override;
    void addRecentDocument(const QString& path) override;
    bool makeLink(const QString& linkPath, const QString& target) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    double rnd() override;
    void sleepMs(int milliseconds) override;

private:
    QString resolveQuietly(const QString& path) const;
    // The host file or folder a path names; a program named with ".exe"
    // whose host file has none is that file. "" when there is none.
    QString existingTarget(const QString& path) const;
    QString locateProgram(const QString& candidate) const;
    QString providedProgram(const QString& candidate) const;
    QString suiteFolder() const;

    PathResolver resolve_;
    QHash<QString, QString> provided_;
    QString suiteFolder_;
    ShellFolders folders_;
    RandomSequence random_;
};

}  // namespace shell
