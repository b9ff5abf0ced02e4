#include "bench/pollent/PollentBatch.h"

#include "batch/pollent/BatchForm1.h"
#include "batch/pollent/Session.h"
#include "bench/pollent/BenchEnvironment.h"
#include "bench/pollent/Stopwatch.h"
#include "examples/ExampleProject.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/MsgBoxStyle.h"

#include <cstdio>

namespace bench {

const QString PollentBatch::Project = QStringLiteral("C:\\Pollent");
const QString PollentBatch::Copies = QStringLiteral("C:\\Bench");

QStringList PollentBatch::makeCopies(files::FileSystem& files, int count)
{
    examples::ExampleProject(files, Project).write();
    files.makeFolder(Copies);
    const QStringList sheets = examples::ExampleProject::sheets();
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString sheet = sheets[i % (sheets.size() - 1)];  // the read-only sheet is left out
        const QString copy = Copies + QStringLiteral("\\S%1.dwg").arg(i + 1, 5, 10, QChar(u'0'));
        files.copyFile(Project + u'\\' + sheet, copy);
        paths.append(copy);
    }
    return paths;
}

int PollentBatch::run(BenchEnvironment& bench, const QStringList& paths, const Operations& operations)
{
    pollent::Session session(bench.env());
    pollent::BatchForm1 form(session);
    bench.env().dispatcher->run([&] { form.show(); });
    for (const QString& path : paths)
        form.Batchlist1sub(path);
    session.options.DoArchive = operations.archive;
    session.options.DoAttributes = operations.attributes;
    session.options.DoBindAll = operations.bind;
    session.options.DoPurge = operations.purge;
    session.options.ArchiveLocation = Copies + u'\\';
    session.options.ArchiveName = QStringLiteral("Issued");
    session.attributes.BlockName = QStringLiteral("TITLEBLK");
    session.attributes.AttTag[0] = QStringLiteral("REV");
    session.attributes.AttString[0] = QStringLiteral("X");
    form.batchlist();
    bench.ui().expectMsgBox(forms::msgbox::No, QStringLiteral("View Pollent Log"));

    Stopwatch watch;
    bench.env().dispatcher->run([&] { form.MnuRunProcessor_Click(); });
    watch.stop();

    const int count = int(paths.size());
    const int archived = operations.archive ? int(bench.files().listFiles(Copies + QStringLiteral("\\Issued")).size()) : count;
    if (archived != count || bench.ui().pending() != 0) {
        std::fprintf(stderr, "the run did not finish: %d of %d archived\n", archived, count);
        return 1;
    }
    watch.print(count);
    return 0;
}

}  // namespace bench
