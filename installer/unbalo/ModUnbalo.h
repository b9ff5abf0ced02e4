#pragma once

#include "installer/unbalo/InstallRun.h"
#include "platform/forms/FileDialogRequest.h"
#include "shared/FileListModel.h"
#include "shared/StepRunner.h"

#include <QString>
#include <optional>

namespace env { struct Environment; }

namespace unbalo {

class ArchiveSource;
class ProgressDisplay;

// Unbalo's program state and its module of routines: the packer's item list,
// the save dialog's settings between the calls that set them and the one that
// shows the dialog, the mode test, and the two runs it leads to with the
// error box of their opening steps. The program keeps no settings and reads
// no data file of its own.
class ModUnbalo {
public:
    explicit ModUnbalo(env::Environment& env);
    ModUnbalo(const ModUnbalo&) = delete;
    ModUnbalo& operator=(const ModUnbalo&) = delete;

    env::Environment& env() const { return env_; }

    // The files the packer packs, full paths in the order they are packed.
    suite::FileListModel items;

    // True when the path exists and is not a folder; false for anything else,
    // also when it cannot be examined.
    bool FileExists(const QString& path) const;

    void SetDialogTitle(const QString& title) { dialog_.title = title; }
    void SetDefaultExt(const QString& extension) { dialog_.defaultExtension = extension; }
    // Label and pattern pairs separated by "|": "Executable Files|*.exe".
    void SetFilter(const QString& filter);
    // The destination the user picks; asks again for as long as the user
    // answers Retry, and ends the program on Cancel.
    QString ShowSaveDialog();

    // The mode test, then the run it asks for. The packer run ends the program
    // once the installer is written; when it cannot be written it says why and
    // the window stays. The install run gives its report; nothing when
    // nothing was installed (a damaged installer says so and ends the
    // program, an install directory that names none is refused).
    std::optional<InstallReport> PackOrExtract(const QString& directoryText, ProgressDisplay& display);

    // The error box of the runs' opening steps; Abort ends the program.
    suite::Resume reportError(const runtime::Error& error);

private:
    void packerRun(suite::StepRunner& step, const QString& ownFile, ProgressDisplay& display);
    std::optional<InstallReport> installRun(suite::StepRunner& step, const ArchiveSource& source,
                                            const QString& directoryText, ProgressDisplay& display);

    env::Environment& env_;
    forms::FileDialogRequest dialog_;
};

}  // namespace unbalo
