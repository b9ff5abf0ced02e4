#pragma once

#include "platform/shell/RandomSequence.h"
#include "platform/shell/Shell.h"
#include "platform/shell/ShellCall.h"
#include "platform/shell/ShellFolders.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

namespace shell {

// The shell of tests: it records every call in order, starts and opens nothing,
// and answers from a script: which programs exist, the rnd() values to give,
// which kinds of call fail. A start of the file manager on a folder counts as
// started whatever the folder. Special folders, recent-document links and the
// links made are real folders and files under a test root, so tests can look at
// the links made.
class RecordingShell : public Shell {
public:
    // An empty root: a temporary folder of its own, removed with the shell.
    // A program also exists when the resolver maps it to an existing host file.
    explicit RecordingShell(QString shellRoot = {}, PathResolver resolve = {});

    // Script.
    // A program path that exists; matched without regard to case, "/" and "\"
    // alike.
    void addProgram(const QString& path);
    // The folder the suite's programs stand in (Windows-style, as the programs
    // write it): programs there show the suite's icons. Empty: none does.
    void setSuiteFolder(const QString& folder) { suiteFolder_ = folder; }
    // The next rnd() answers, in order; afterwards the usual sequence goes on.
    // Throws std::invalid_argument for a value outside [0, 1).
    void queueRnd(double value);
    // Every later call of the kind fails: those that answer failure (open,
    // help, special folder, recent document) answer it, the others raise the
    // error number (a link answers false). The call is still recorded.
    void failOn(ShellCall::Kind kind, int32_t errorNumber);
    void clearFailures();

    // Record.
    const QList<ShellCall>& calls() const { return calls_; }
    QList<ShellCall> callsOf(ShellCall::Kind kind) const;
    void clearCalls() { calls_.clear(); }

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
    void record(ShellCall::Kind kind, const QString& text = {}, qint64 number = 0);
    bool fails(ShellCall::Kind kind) const { return failures_.contains(kind); }
    void raiseIfFailing(ShellCall::Kind kind) const;
    QString resolveQuietly(const QString& path) const;
    QString locateProgram(const QString& candidate) const;
    // A scripted program as given, else the existing host file; "" for none.
    QString existingTarget(const QString& path) const;

    std::unique_ptr<QTemporaryDir> ownRoot_;
    ShellFolders folders_;
    PathResolver resolve_;
    QSet<QString> programs_;
    QString suiteFolder_;
    QList<double> rndQueue_;
    QHash<ShellCall::Kind, int32_t> failures_;
    QList<ShellCall> calls_;
    RandomSequence random_;
    QString clipboard_;
    qint64 nextTaskId_ = 1;
};

}  // namespace shell
