// Writes the example project: example-project <host folder of drive C:>
// [<project folder on C:>, default C:\Pollent]. The run script uses it to set
// up a fresh copy before it starts the batch processor.
#include "examples/ExampleProject.h"
#include "platform/cad/hostview/Thumbnailer.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    // The thumbnails are painted with fonts, which a GUI application
    // provides; nothing is shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: example-project <host folder of drive C:> [<folder on C:>]\n");
        return 2;
    }
    QDir().mkpath(args[1]);
    files::DriveTable drives;
    drives.map(QStringLiteral("C"), args[1]);
    files::FileSystem files(drives);
    const QString folder = args.size() == 3 ? args[2] : examples::ExampleProject::DefaultFolder;
    const hostview::Thumbnailer thumbnails;
    try {
        for (const QString& path : examples::ExampleProject(files, folder, &thumbnails).write())
            std::printf("%s\n", qPrintable(path));
    } catch (const runtime::Error& error) {
        std::fprintf(stderr, "example-project: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
