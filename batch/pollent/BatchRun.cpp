#include "batch/pollent/BatchRun.h"

#include "batch/pollent/Batch.h"
#include "batch/pollent/DrawingList.h"
#include "batch/pollent/RunLog.h"
#include "batch/pollent/RunWindows.h"
#include "batch/pollent/Session.h"
#include "batch/pollent/Variants.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Program.h"
#include "shared/ReportError.h"
#include "shared/StepRunner.h"

namespace pollent {

namespace {

QString blanks(int count) { return QString(count, u' '); }
const QString Successful = QStringLiteral("Successful...");
// Every line about a drawing that was not processed as asked starts so.
const QString ErrorPrefix = QStringLiteral("Error...") + blanks(10);

}  // namespace

const QString BatchRun::ScratchName = QStringLiteral("Erace");

BatchRun::BatchRun(Session& session, suite::ReportError& report, const DrawingList& drawings, int operationCount,
                   RunLog& log, RunWindows& windows)
    : session_(session),
      report_(report),
      drawings_(drawings),
      operationCount_(operationCount),
      log_(log),
      windows_(windows)
{
}

bool BatchRun::attempt(suite::StepRunner& step, const std::function<void()>& call)
{
    bool done = false;
    step([&] {
        call();
        done = true;
    });
    return done;
}

void BatchRun::warn(const QString& text)
{
    session_.env.ui->msgBox(text, forms::msgbox::Critical | forms::msgbox::OkOnly);
}

void BatchRun::run()
{
    session_.CancelRequested = false;
    scratchPending_ = false;
    suite::runProcedure(report_.at(QStringLiteral("Run_Proccessor")),
                        [this](suite::StepRunner& step) { runSteps(step); });
}

bool BatchRun::checkLists()
{
    if (drawings_.count() == 0) {
        warn(QStringLiteral("Warning!!! No Drawing In List"));
        return false;
    }
    if (operationCount_ == 0) {
        warn(QStringLiteral("Warning!!! No Pollent In List"));
        return false;
    }
    return true;
}

void BatchRun::runSteps(suite::StepRunner& step)
{
    if (!checkLists())
        return;
    // Without a host (none running and none started) there is nothing to
    // work with.
    bool attached = false;
    step([this, &attached] { attached = session_.attach(report_); });
    if (!attached)
        return;
    bool refused = false;
    step([this, &refused] { refused = !switchToSingleDocument(); });
    if (refused)
        return;

    if (session_.options.DoArchive && !prepareArchive(step))
        return;
    noteListedFiles();

    windows_.showRunWindow();
    Batch batch(session_, report_, [this](const QString& line) { log_.addLine(line); });
    // The count is read once; the list cannot change meanwhile, since the
    // commands that change it wait for the run.
    const int count = drawings_.count();
    for (int i = 0; i < count; ++i) {
        if (!processDrawing(step, drawings_.path(i), i == 0, batch))
            return;
    }
    finish(step);
}

bool BatchRun::switchToSingleDocument()
{
    // Each open must replace the drawing in the one document the run holds, so
    // the run needs single-document mode, whatever happened since the load. A
    // mode not read at the load is read now, so that it can be put back.
    suite::SingleDocumentMode& mode = session_.singleDocument;
    if (!mode.saved())
        mode.save();
    return mode.switchOn(*session_.env.ui, CloseDrawingsFirst, mode.current());
}

bool BatchRun::prepareArchive(suite::StepRunner& step)
{
    const OptionSet& o = session_.options;
    session_.ArchiveFolder = o.ArchiveLocation + o.ArchiveName;
    step.setSkipErrors(true);
    // An archive folder that is there already is used as it is.
    step([this] { session_.env.files->makeFolder(session_.ArchiveFolder); });
    if (!session_.env.files->folderExists(session_.ArchiveFolder)) {
        warn(QStringLiteral("Archive Directory Bat  \r") + session_.ArchiveFolder);
        return false;
    }
    return true;
}

QString BatchRun::placeOf(const QString& folderIdentity, const QString& name)
{
    return folderIdentity.isEmpty() ? QString() : folderIdentity + u'/' + name.toLower();
}

void BatchRun::noteListedFiles()
{
    // Noted by their folders and names, not by their own identities: a copy
    // is then checked without looking for a file that is not there yet, a
    // look that reads the whole of a growing archive folder.
    files::FileSystem& files = *session_.env.files;
    listedFiles_.clear();
    archivedNames_.clear();
    for (const QString& path : drawings_.paths()) {
        if (files.fileExists(path))
            listedFiles_.insert(placeOf(files.identity(files::WinPath::parentFolder(path)), files.onDiskName(path)));
    }
    archiveFolder_ = session_.options.DoArchive ? files.identity(session_.ArchiveFolder) : QString();
}

void BatchRun::open(const QString& path)
{
    // In single-document mode the host hands back the same document.
    session_.connection.document = session_.connection.doc().open(path);
}

bool BatchRun::cancelled()
{
    if (!session_.CancelRequested)
        return false;
    windows_.showMainWindow();
    return true;
}

bool BatchRun::processDrawing(suite::StepRunner& step, const QString& path, bool first, Batch& batch)
{
    if (cancelled())
        return false;
    const bool opened = attempt(step, [&] { open(path); });
    // The previous drawing's scratch copy goes only once another drawing has
    // replaced it in the host.
    if (opened)
        deletePendingScratch(step);
    if (!first)
        log_.addLine(QString());
    if (!opened) {
        log_.addLine(ErrorPrefix + QStringLiteral("Cannot Open = ") + path);
        return endOfDrawing(step);
    }
    log_.addLine(QStringLiteral("Opened = ") + path + blanks(8) + Successful);

    QString savedPath = path;
    if (session_.options.DoArchive) {
        if (!archive(step, path))
            return endOfDrawing(step);
        savedPath = archivePath_;
    }
    performOperations(batch);
    step.setSkipErrors(true);
    save(step, savedPath);
    return endOfDrawing(step);
}

bool BatchRun::archive(suite::StepRunner& step, const QString& path)
{
    archivePath_ = files::WinPath::join(session_.ArchiveFolder, session_.env.files->onDiskName(path));
    const QString copyName = files::WinPath::fileName(archivePath_).toLower();
    if (listedFiles_.contains(placeOf(archiveFolder_, copyName))) {
        log_.addLine(ErrorPrefix + QStringLiteral("Archive Copy Would Replace A Listed Drawing = ") + path);
        return false;
    }
    if (archivedNames_.contains(copyName)) {
        log_.addLine(ErrorPrefix + QStringLiteral("Archive Copy Of The Same Name Made In This Run = ") + path);
        return false;
    }
    if (!attempt(step, [&] { session_.connection.doc().saveAs(archivePath_); })) {
        log_.addLine(ErrorPrefix + QStringLiteral("Cannot Archive = ") + path);
        return false;
    }
    archivedNames_.insert(copyName);
    log_.addLine(QStringLiteral("Archived = ") + archivePath_ + blanks(8) + Successful);
    // From here the copy is the drawing being worked on.
    if (!attempt(step, [&] { open(archivePath_); })) {
        log_.addLine(ErrorPrefix + QStringLiteral("Cannot Open Archive Copy = ") + archivePath_);
        return false;
    }
    return true;
}

void BatchRun::performOperations(Batch& batch)
{
    const OptionSet& o = session_.options;
    if (o.DoDeleteXref)
        batch.DeleteXB();
    if (o.DoDeleteBlock)
        batch.DeleteBlock();
    if (o.DoInsertBlock)
        batch.InsertBlocks();
    if (o.DoInsertXref)
        batch.InsertXrefs();
    if (o.DoAttributes)
        batch.BlockAttributeP();
    if (o.DoBindAll)
        batch.Bindalldrawings();
    if (o.DoPurge)
        batch.Purgeall();
}

void BatchRun::save(suite::StepRunner& step, const QString& savedPath)
{
    step.clearError();
    if (attempt(step, [this] { session_.connection.doc().save(); })) {
        log_.addLine(QStringLiteral("Saved Drawing = ") + savedPath + blanks(11) + Successful);
        return;
    }
    if (step.lastErrorNumber() == cad::err::DrawingReadOnly) {
        log_.addLine(ErrorPrefix + QStringLiteral("File is Read only"));
        step.clearError();
        saveScratch(step);
        return;
    }
    log_.addLine(ErrorPrefix + QStringLiteral("Not Saved = ") + savedPath);
}

void BatchRun::saveScratch(suite::StepRunner& step)
{
    const QString scratch = session_.env.program->file(ScratchName);
    if (!attempt(step, [&] { session_.connection.doc().saveAs(scratch); })) {
        log_.addLine(ErrorPrefix + QStringLiteral("Not Saved = ") + scratch);
        return;
    }
    // The host may have added an extension: the file to delete later is the
    // one it says it wrote.
    scratchFile_ = scratch;
    step([this] {
        const QString written = session_.connection.doc().fullName();
        if (!written.isEmpty())
            scratchFile_ = written;
    });
    scratchPending_ = true;
}

void BatchRun::deletePendingScratch(suite::StepRunner& step)
{
    if (!scratchPending_)
        return;
    step([this] { session_.env.files->deleteFile(scratchFile_); });
    scratchPending_ = false;
}

bool BatchRun::endOfDrawing(suite::StepRunner& step)
{
    // Whatever became of the first drawing, the rest of the run passes
    // failures over.
    step.setSkipErrors(true);
    log_.drawingDone();
    // Pending clicks (Cancel among them) are seen once per drawing.
    session_.env.clock->doEvents();
    return !session_.env.dispatcher->ended();
}

void BatchRun::finish(suite::StepRunner& step)
{
    // A cancel pressed during the last drawing ends the run as any other.
    if (cancelled())
        return;
    step([this] { session_.singleDocument.putBack(); });
    windows_.hideRunWindow();
    const int answer = session_.env.ui->msgBox(QStringLiteral("View Pollent Log"), forms::msgbox::YesNo,
                                               QStringLiteral("Done with drawings"));
    if (answer == forms::msgbox::Yes) {
        windows_.showFinishedLog();
        return;
    }
    // Both windows are hidden at this point; the main window comes back.
    windows_.showMainWindow();
}

}  // namespace pollent
