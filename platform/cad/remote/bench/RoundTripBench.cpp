// Measures the round-trip time of one simple call from a tool to the host in
// another process (a layer's colour: one handle, no arguments, an integer
// back), against the same call in-process. Starts its own host: this program
// run with "--serve <socket>".
//   remote_round_trip_bench [calls]
#include "platform/cad/Application.h"
#include "platform/cad/remote/HostServer.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

std::shared_ptr<standin::Host> makeHost(const QString& folder, std::unique_ptr<files::FileSystem>& files)
{
    files::DriveTable table;
    table.map(QStringLiteral("C"), folder);
    files = std::make_unique<files::FileSystem>(table);
    auto host = standin::Host::create(*files);
    host->addDocument();
    return host;
}

int serve(QCoreApplication& app, const QString& socket)
{
    QTemporaryDir temp;
    std::unique_ptr<files::FileSystem> files;
    remote::HostServer server(makeHost(temp.path(), files));
    if (!server.start(socket))
        return 1;
    QTextStream(stdout) << "ready" << Qt::endl;
    return app.exec();
}

// Microseconds per call: mean, median and 99th percentile.
QString measure(const std::shared_ptr<cad::Layer>& layer, int calls)
{
    std::vector<qint64> times;
    times.reserve(size_t(calls));
    QElapsedTimer timer;
    int sum = 0;
    for (int i = 0; i < calls; ++i) {
        timer.start();
        sum += layer->color();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (qint64 t : times)
        total += double(t);
    const auto us = [](double ns) { return QString::number(ns / 1000.0, 'f', 1); };
    return QStringLiteral("mean %1 us, median %2 us, p99 %3 us (%4 calls, check %5)")
        .arg(us(total / calls), us(double(times[times.size() / 2])), us(double(times[times.size() * 99 / 100])))
        .arg(calls)
        .arg(sum);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--serve"))
        return serve(app, arguments[2]);
    const int calls = arguments.size() > 1 ? std::max(100, arguments[1].toInt()) : 20000;

    QTemporaryDir temp;
    const QString socket = temp.path() + QStringLiteral("/cad-host");
    QProcess host;
    host.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--serve"), socket});
    if (!host.waitForReadyRead(20000))
        return 1;
    remote::RemoteHost remoteHost(socket);
    const auto layer = remoteHost.attach()->activeDocument()->layers()->item(QStringLiteral("0"));
    measure(layer, 1000);  // warm-up
    QTextStream out(stdout);
    out << "across processes: " << measure(layer, calls) << Qt::endl;

    std::unique_ptr<files::FileSystem> files;
    const auto local = makeHost(temp.path(), files);
    out << "in process:       " << measure(local->activeDocument()->layers()->item(QStringLiteral("0")), calls)
        << Qt::endl;
    host.kill();
    host.waitForFinished();
    return 0;
}
