#pragma once
// Pollent's batch as a user runs it, for the benchmarks: copies of the
// example drawings listed in the main window, the operations ticked, the
// title block's revision to set, "Run Processor", and "No" to the log.
// Whatever host the environment's running-host table reaches does the work.

#include <QStringList>

namespace files { class FileSystem; }

namespace bench {

class BenchEnvironment;

class PollentBatch {
public:
    struct Operations {
        bool archive = true;
        bool attributes = true;
        bool bind = true;
        bool purge = false;
    };

    static const QString Project;  // C:\Pollent, the example project
    static const QString Copies;   // C:\Bench, where the copies go

    // N copies of the example sheets, in turn, under names of their own.
    static QStringList makeCopies(files::FileSystem& files, int count);

    // Runs the batch over the drawings, timing only the run; prints the
    // figures and answers 0, or answers 1 when the run did not finish.
    static int run(BenchEnvironment& bench, const QStringList& paths, const Operations& operations);
};

}  // namespace bench
