#include "batch/pollent/BatchRun.h"

#include "batch/pollent/Batch.h"
#include "batch/pollent/FrmCancel.h"
#include "batch/pollent/Session.h"
#include "batch/pollent/SingleDocumentMode.h"
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

#include <QFileInfo>
#include <QPushButton>
#include <QWidget>

namespace pollent {

namespace {

QString blanks(int count) { return QString(count, u' '); }
const QString Successful = QStringLiteral("Successful...");
// Every line about a drawing that was not processed as asked starts so.
const QString ErrorPrefix = QStringLiteral("Error...") + blanks(10);

}  // namespace

const QString BatchRun::ScratchName = QStringLiteral("Erace");

BatchRun::BatchRun(Session& session, suite::ReportError& report, QWidget& mainWindow, FrmCancel& runWindow,
                   QStringList drawings, int operationCount)
    : session_(session),
      report_(report),
      mainWindow_(mainWindow),
      runWindow_(runWindow),
      drawings_(std::move(drawings)),
      operationCount_(operationCount)
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

void BatchRun::log(const QString& line) { runWindow_.addLine(line); }

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
    if (drawings_.isEmpty()) {
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
    step([this] { session_.attach(report_); });
    bool refused = false;
    step([this, &refused] { refused = !switchToSingleDocument(); });
    if (refused)
        return;

    if (session_.options.DoArchive && !prepareArchive(step))
        return;
    noteListedFiles();

    mainWindow_.hide();
    runWindow_.show();
    Batch batch(session_, report_, [this](const QString& line) { log(line); });
    for (int i = 0; i < drawings_.size(); ++i) {
        if (!processDrawing(step, i, batch))
            return;
    }
    finish(step);
}

bool BatchRun::switchToSingleDocument()
{
    // Each open must replace the drawing in the one document the run holds, so
    // the run needs single-document mode, whatever happened since the load. A
    // mode not read at the load is read now, so that it can be put back.
    const int16_t current = SingleDocumentMode::read(session_);
    if (!session_.SavedSdi)
        session_.SavedSdi = current;
    return SingleDocumentMode::switchOn(session_, current);
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

void BatchRun::noteListedFiles()
{
    listedFiles_.clear();
    archivedNames_.clear();
    for (const QString& path : drawings_) {
        const QString file = identity(path);
        if (!file.isEmpty())
            listedFiles_.insert(file);
    }
}

QString BatchRun::identity(const QString& path) const
{
    try {
        return QFileInfo(session_.env.files->hostPath(path)).canonicalFilePath();
    } catch (const runtime::Error&) {
        return {};
    }
}

QString BatchRun::onDiskName(const QString& path) const
{
    try {
        const QString name = QFileInfo(session_.env.files->hostPath(path)).fileName();
        if (!name.isEmpty())
            return name;
    } catch (const runtime::Error&) {
    }
    return files::WinPath::fileName(path);
}

void BatchRun::open(const QString& path)
{
    // In single-document mode the host hands back the same document.
    session_.connection.document = session_.document().open(path);
}

bool BatchRun::processDrawing(suite::StepRunner& step, int index, Batch& batch)
{
    const QString& path = drawings_[index];
    if (session_.CancelRequested) {
        mainWindow_.show();
        return false;
    }
    const bool opened = attempt(step, [&] { open(path); });
    // The previous drawing's scratch copy goes only once another drawing has
    // replaced it in the host.
    if (opened)
        deletePendingScratch(step);
    if (index > 0)
        log(QString());
    if (!opened) {
        log(ErrorPrefix + QStringLiteral("Cannot Open = ") + path);
        return endOfDrawing(step);
    }
    log(QStringLiteral("Opened = ") + path + blanks(8) + Successful);

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
    archivePath_ = files::WinPath::join(session_.ArchiveFolder, onDiskName(path));
    const QString copyName = files::WinPath::fileName(archivePath_).toLower();
    if (listedFiles_.contains(identity(archivePath_))) {
        log(ErrorPrefix + QStringLiteral("Archive Copy Would Replace A Listed Drawing = ") + path);
        return false;
    }
    if (archivedNames_.contains(copyName)) {
        log(ErrorPrefix + QStringLiteral("Archive Copy Of The Same Name Made In This Run = ") + path);
        return false;
    }
    if (!attempt(step, [&] { session_.document().saveAs(archivePath_); })) {
        log(ErrorPrefix + QStringLiteral("Cannot Archive = ") + path);
        return false;
    }
    archivedNames_.insert(copyName);
    log(QStringLiteral("Archived = ") + archivePath_ + blanks(8) + Successful);
    // From here the copy is the drawing being worked on.
    if (!attempt(step, [&] { open(archivePath_); })) {
        log(ErrorPrefix + QStringLiteral("Cannot Open Archive Copy = ") + archivePath_);
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
    if (attempt(step, [this] { session_.document().save(); })) {
        log(QStringLiteral("Saved Drawing = ") + savedPath + blanks(11) + Successful);
        return;
    }
    if (step.lastErrorNumber() == cad::err::DrawingReadOnly) {
        log(ErrorPrefix + QStringLiteral("File is Read only"));
        step.clearError();
        saveScratch(step);
        return;
    }
    log(ErrorPrefix + QStringLiteral("Not Saved = ") + savedPath);
}

void BatchRun::saveScratch(suite::StepRunner& step)
{
    const QString scratch = session_.env.program->file(ScratchName);
    if (!attempt(step, [&] { session_.document().saveAs(scratch); })) {
        log(ErrorPrefix + QStringLiteral("Not Saved = ") + scratch);
        return;
    }
    // The host may have added an extension: the file to delete later is the
    // one it says it wrote.
    scratchFile_ = scratch;
    step([this] {
        const QString written = session_.document().fullName();
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
    // Pending clicks (Cancel among them) are seen once per drawing.
    session_.env.clock->doEvents();
    return !session_.env.dispatcher->ended();
}

void BatchRun::finish(suite::StepRunner& step)
{
    step([this] { SingleDocumentMode::putBack(session_); });
    runWindow_.hide();
    const int answer = session_.env.ui->msgBox(QStringLiteral("View Pollent Log"), forms::msgbox::YesNo,
                                               QStringLiteral("Done with drawings"));
    if (answer == forms::msgbox::Yes) {
        runWindow_.show();
        runWindow_.cmdCancel->setText(FrmCancel::ExitCaption);
        return;
    }
    // Both windows are hidden at this point; the main window comes back.
    mainWindow_.show();
}

}  // namespace pollent
