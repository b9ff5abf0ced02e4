#include "installer/unbalo/ModUnbalo.h"

#include "installer/unbalo/FileSource.h"
#include "installer/unbalo/PackerRun.h"
#include "installer/unbalo/ProgressCaption.h"
#include "installer/unbalo/ProgressDisplay.h"
#include "installer/unbalo/archive/ArchiveReader.h"
#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Program.h"

#include <memory>

namespace unbalo {

namespace {

const QString NothingWritten = QStringLiteral("\r\nNothing has been written...");

}  // namespace

ModUnbalo::ModUnbalo(env::Environment& env) : env_(env)
{
    dialog_.flags = forms::FileDialogRequest::OverwritePrompt | forms::FileDialogRequest::HideReadOnly
                    | forms::FileDialogRequest::PathMustExist;
}

bool ModUnbalo::FileExists(const QString& path) const { return env_.files->fileExists(path); }

void ModUnbalo::SetFilter(const QString& filter)
{
    dialog_.filters.clear();
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        dialog_.filters.append(forms::FileFilter{parts[i], parts[i + 1]});
    dialog_.filterIndex = 1;
}

QString ModUnbalo::ShowSaveDialog()
{
    for (;;) {
        const QString chosen = env_.ui->saveFileDialog(dialog_);
        if (!chosen.isEmpty())
            return chosen;
        const int answer = env_.ui->msgBox(QStringLiteral("You must select a filename for the program to work..."),
                                           forms::msgbox::Critical + forms::msgbox::RetryCancel);
        if (answer != forms::msgbox::Retry)
            runtime::endProgram();
    }
}

suite::Resume ModUnbalo::reportError(const runtime::Error& error)
{
    const QString text = QStringLiteral("Error #") + QString::number(error.number())
                         + QStringLiteral(" in module Unbalo...\r\nDescription: ") + error.description()
                         + QStringLiteral("\r\nHow do you want to continue?");
    switch (env_.ui->msgBox(text, forms::msgbox::AbortRetryIgnore + forms::msgbox::Exclamation,
                            QStringLiteral("Error"))) {
    case forms::msgbox::Retry: return suite::Resume::Retry;
    case forms::msgbox::Ignore: return suite::Resume::Next;
    case forms::msgbox::Abort: runtime::endProgram();
    default: return suite::Resume::Leave;
    }
}

std::optional<InstallReport> ModUnbalo::PackOrExtract(const QString& directoryText, ProgressDisplay& display)
{
    std::optional<InstallReport> report;
    suite::runProcedure([this](const runtime::Error& error) { return reportError(error); },
                        [&](suite::StepRunner& step) {
                            const QString own = env_.program->ownFile();
                            std::unique_ptr<FileSource> source;
                            step([&] { source = std::make_unique<FileSource>(env_.files->hostPath(own)); });
                            // A file that cannot be read (and the error ignored) is
                            // no installer: the program runs as the packer.
                            const bool installer = source && ArchiveReader::isInstaller(*source);
                            if (installer)
                                report = installRun(step, *source, directoryText, display);
                            else
                                packerRun(step, own, display);
                        });
    return report;
}

// Whatever stops the run before the installer is whole leaves the destination
// as it was and says why; the user can mend the list and press Install again.
// A failed opening step that the user ignores leaves nothing to go on with
// (no program to put in front of the items, no file to write into), so the
// run stops there instead of writing an installer that cannot run. The
// program's own file is read as it is copied in front of the items.
void ModUnbalo::packerRun(suite::StepRunner& step, const QString& ownFile, ProgressDisplay& display)
{
    const QStringList paths = items.paths();
    PackerRun packer(*env_.files, display);
    if (const std::optional<QString> problem = packer.checkItems(paths)) {
        env_.ui->msgBox(*problem + NothingWritten, forms::msgbox::Critical);
        return;
    }
    SetDialogTitle(QStringLiteral("Select Destination File Name"));
    SetDefaultExt(QStringLiteral("exe"));
    SetFilter(QStringLiteral("Executable Files|*.exe"));
    QString destination;
    step([&] { destination = ShowSaveDialog(); });
    if (destination.isEmpty())
        return;
    if (const std::optional<QString> problem = packer.checkDestination(destination, paths, ownFile)) {
        env_.ui->msgBox(*problem + NothingWritten, forms::msgbox::Critical);
        return;
    }
    bool begun = false;
    step([&] {
        packer.begin(destination, ownFile, int(paths.size()));
        begun = true;
    });
    if (!begun)
        return;
    if (const std::optional<QString> problem = packer.finish(paths)) {
        env_.ui->msgBox(*problem + NothingWritten, forms::msgbox::Critical);
        return;
    }
    display.showProgress(ProgressCaption::Complete);
    env_.ui->msgBox(QStringLiteral("The program has been successfully compiled..."), forms::msgbox::Information,
                    QStringLiteral("COMPILER"));
    runtime::endProgram();
}

std::optional<InstallReport> ModUnbalo::installRun(suite::StepRunner& step, const ArchiveSource& source,
                                                   const QString& directoryText, ProgressDisplay& display)
{
    // Every record is read and checked before the first file is written.
    std::optional<ArchiveIndex> index;
    step([&] { index = ArchiveReader::index(source); });
    if (!index)
        return std::nullopt;
    if (!index->sound()) {
        env_.ui->msgBox(QStringLiteral("This installer is damaged and cannot be extracted: ") + index->problem
                            + QStringLiteral(".\r\nNothing has been installed..."),
                        forms::msgbox::Critical);
        runtime::endProgram();
    }
    const QString directory = InstallRun::installDirectory(directoryText);
    if (directory.isEmpty()) {
        env_.ui->msgBox(QStringLiteral("Type the folder to install into..."), forms::msgbox::Exclamation);
        return std::nullopt;
    }
    InstallRun run(*env_.files, display);
    // Ignored, the items are tried all the same; those that cannot be written
    // are named afterwards.
    step([&] { run.makeDirectory(directory); });
    InstallReport report = run.extract(source, *index, directory);
    display.showProgress(ProgressCaption::Complete);
    return report;
}

}  // namespace unbalo
