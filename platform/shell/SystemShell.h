#pragma once

#include "platform/shell/RandomSequence.h"
#include "platform/shell/Shell.h"
#include "platform/shell/ShellFolders.h"

namespace shell {

// The shell of real runs: programs start as detached host processes, documents
// and folders open through the desktop's default applications, the clipboard is
// the application's clipboard, special folders live under a root of our own.
class SystemShell : public Shell {
public:
    // No resolver: paths are taken as host paths. An empty root: the default
    // ShellFolders root.
    explicit SystemShell(PathResolver resolve = {}, QString shellRoot = {});

    qint64 startProgram(const QString& commandLine, WindowStyle style) override;
    bool openDocument(const QString& path) override;
    void explore(const QString& folder) override;
    bool showHelp(const QString& helpFile) override;
    QString knownFolder(KnownFolder folder) override;
    void addRecentDocument(const QString& path) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    double rnd() override;
    void sleepMs(int milliseconds) override;

private:
    QString resolveQuietly(const QString& path) const;
    QString locateProgram(const QString& candidate) const;

    PathResolver resolve_;
    ShellFolders folders_;
    RandomSequence random_;
};

}  // namespace shell
