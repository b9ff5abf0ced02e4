#pragma once
// One batch run: checks the two lists, attaches to the host, makes sure it is
// in single-document mode, prepares the archive folder, then for each listed
// drawing opens it, moves the work to an archive copy when archiving is on,
// performs the enabled operations in their fixed order, saves (a read-only
// drawing as the scratch drawing beside the program), and logs every step.
// Afterwards it puts the host's mode back and offers the log.
//
// Until the first drawing is done (or, with archiving, until the archive folder
// is being made) an error goes to the error report; after that a failing
// statement is passed over. A drawing whose open, archive copy or archive open
// fails is never worked on: the log says so and the run goes on with the next.

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace suite { class ReportError; class StepRunner; }

namespace pollent {

class Batch;
class FrmCancel;
struct Session;

class BatchRun {
public:
    BatchRun(Session& session, suite::ReportError& report, QWidget& mainWindow, FrmCancel& runWindow,
             QStringList drawings, int operationCount);

    // MnuRunProcessor_Click's work.
    void run();

    // The scratch drawing's name beside the program, without an extension.
    static const QString ScratchName;

private:
    void runSteps(suite::StepRunner& step);
    bool checkLists();
    // False when the host stays in multiple-document mode (the user was asked
    // to close drawings).
    bool switchToSingleDocument();
    bool prepareArchive(suite::StepRunner& step);
    void noteListedFiles();
    // False when the run must end here.
    bool processDrawing(suite::StepRunner& step, int index, Batch& batch);
    bool archive(suite::StepRunner& step, const QString& path);
    void performOperations(Batch& batch);
    void save(suite::StepRunner& step, const QString& savedPath);
    void saveScratch(suite::StepRunner& step);
    void deletePendingScratch(suite::StepRunner& step);
    bool endOfDrawing(suite::StepRunner& step);
    void finish(suite::StepRunner& step);

    void open(const QString& path);
    void log(const QString& line);
    void warn(const QString& text);
    // The file's name as it is spelled on disk, as a directory listing gives it.
    QString onDiskName(const QString& path) const;
    // The file a path leads to, so that two spellings of one file compare
    // equal; empty when there is no such file.
    QString identity(const QString& path) const;

    static bool attempt(suite::StepRunner& step, const std::function<void()>& call);

    Session& session_;
    suite::ReportError& report_;
    QWidget& mainWindow_;
    FrmCancel& runWindow_;
    const QStringList drawings_;
    const int operationCount_;

    bool scratchPending_ = false;
    QString scratchFile_;
    QString archivePath_;
    QSet<QString> listedFiles_;
    QSet<QString> archivedNames_;
};

}  // namespace pollent
