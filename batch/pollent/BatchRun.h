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
//
// It reads the drawing list as it finds it, writes its log to a sink and asks
// for its window changes; it holds no widget.

#include <QSet>
#include <QString>
#include <functional>

namespace suite { class ReportError; class StepRunner; }

namespace pollent {

class Batch;
class DrawingList;
class RunLog;
class RunWindows;
class Session;

class BatchRun {
public:
    BatchRun(Session& session, suite::ReportError& report, const DrawingList& drawings, int operationCount,
             RunLog& log, RunWindows& windows);

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
    // Where a file of the folder is, as two spellings of the one file (letter
    // case, another drive to the same folder) give it alike; empty for a
    // folder that is not there.
    static QString placeOf(const QString& folderIdentity, const QString& name);
    // False when the run must end here.
    bool processDrawing(suite::StepRunner& step, const QString& path, bool first, Batch& batch);
    bool archive(suite::StepRunner& step, const QString& path);
    void performOperations(Batch& batch);
    void save(suite::StepRunner& step, const QString& savedPath);
    void saveScratch(suite::StepRunner& step);
    void deletePendingScratch(suite::StepRunner& step);
    bool endOfDrawing(suite::StepRunner& step);
    // A cancel asked for since the last look: the main window comes back.
    bool cancelled();
    void finish(suite::StepRunner& step);

    void open(const QString& path);
    void warn(const QString& text);

    static bool attempt(suite::StepRunner& step, const std::function<void()>& call);

    Session& session_;
    suite::ReportError& report_;
    const DrawingList& drawings_;
    const int operationCount_;
    RunLog& log_;
    RunWindows& windows_;

    bool scratchPending_ = false;
    QString scratchFile_;
    QString archivePath_;
    QSet<QString> listedFiles_;
    QString archiveFolder_;  // the archive folder's identity
    QSet<QString> archivedNames_;
};

}  // namespace pollent
