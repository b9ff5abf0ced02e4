// A test-only program for the tests that end processes: "host <socket>"
// serves a stand-in host with one drawing open ("--exit-when-idle": until its
// last tool has gone); "tool <socket>" attaches as a tool would, draws a line,
// subscribes to the command-start event, holds on to what it got, and waits.
// Each prints "ready" once it is.
#include "platform/cad/Application.h"
#include "platform/cad/remote/HostServer.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int serve(QCoreApplication& app, const QString& socket, bool exitWhenIdle)
{
    QTemporaryDir temp;
    files::DriveTable table;
    table.map(QStringLiteral("C"), temp.path());
    files::FileSystem files(table);
    const auto host = standin::Host::create(files);
    host->addDocument();
    remote::HostServer server(host);
    if (!server.start(socket))
        return 1;
    if (exitWhenIdle) {
        QObject::connect(&server, &remote::HostServer::connectionCountChanged, &app, [&app](int count) {
            if (count == 0)
                app.quit();
        });
    }
    QTextStream(stdout) << "ready" << Qt::endl;
    return app.exec();
}

int use(QCoreApplication& app, const QString& socket)
{
    remote::RemoteHost remoteHost(socket);
    const auto application = remoteHost.attach();
    const auto document = application->activeDocument();
    document->modelSpace()->addLine({0, 0, 0}, {1, 1, 0});
    application->subscribeBeginCommand([](const QString&) {});
    const auto entities = document->modelSpace()->items();
    const auto layers = document->layers()->items();
    QTextStream(stdout) << "ready" << Qt::endl;
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3)
        return 2;
    if (arguments[1] == QStringLiteral("host"))
        return serve(app, arguments[2], arguments.contains(QStringLiteral("--exit-when-idle")));
    if (arguments[1] == QStringLiteral("tool"))
        return use(app, arguments[2]);
    return 2;
}
