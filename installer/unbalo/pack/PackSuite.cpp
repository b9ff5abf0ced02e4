// Packs an installer from the command line, as the packer's Install does from
// its list, for the build: the suite's installer is made from the built
// programs and the data files without anyone picking them.
//   unbalo_pack <packer program> <installer to write> <item>...
// The same checks and the same writing as the packer's: a file that cannot
// be packed is refused before anything is written, and the installer takes
// the destination's place only when it is whole.
#include "installer/unbalo/PackerRun.h"
#include "installer/unbalo/ProgressDisplay.h"
#include "installer/unbalo/archive/ArchiveFormat.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

// The progress as lines instead of a caption.
class ProgressLines : public unbalo::ProgressDisplay {
public:
    void showProgress(const QString& caption) override { QTextStream(stdout) << caption << Qt::endl; }
};

int fail(const QString& message)
{
    QTextStream(stderr) << "unbalo_pack: " << message << Qt::endl;
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return fail(QStringLiteral("usage: unbalo_pack <packer program> <installer to write> <item>..."));
    const QString stub = args[0];
    const QString destination = args[1];
    const QStringList items = args.mid(2);
    if (items.size() > unbalo::ArchiveFormat::MaxItems)
        return fail(QStringLiteral("%1 items, where an installer holds at most %2").arg(items.size())
                        .arg(unbalo::ArchiveFormat::MaxItems));

    files::FileSystem files{files::DriveTable()};
    ProgressLines display;
    unbalo::PackerRun run(files, display);
    if (const auto problem = run.checkItems(items))
        return fail(*problem);
    if (const auto problem = run.checkDestination(destination, items, stub))
        return fail(*problem);
    try {
        run.begin(destination, stub, int(items.size()));
    } catch (const runtime::Error& error) {
        return fail(QStringLiteral("cannot write '%1': %2").arg(destination, error.description()));
    }
    if (const auto problem = run.finish(items))
        return fail(*problem);
    QTextStream(stdout) << "Packed " << items.size() << " items into " << destination << Qt::endl;
    return 0;
}
