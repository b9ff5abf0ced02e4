// The host program itself, started as its own process, with tools attached
// across processes: the one open drawing they share, the command line, and
// what happens when the host or a tool goes away.
#include "HostProcess.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/HostRegistry.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <signal.h>

using hostapp_test::HostProcess;
using hostapp_test::waitUntil;
using testing_env::errorOf;

namespace {

cad::Point pt(double x, double y) { return {x, y, 0.0}; }

runtime::Error caught(const std::function<void()>& call)
{
    try {
        call();
    } catch (const runtime::Error& error) {
        return error;
    }
    return runtime::Error(0, QString());
}

// The host program on a project holding A101.dwg, and the test's own view
// of the program's drive C for reading what lands on disk.
class Program : public ::testing::Test {
protected:
    Program() : files(table())
    {
        const auto writer = standin::Host::create(files);
        const auto document = writer->addDocument();
        document->layers()->add(QStringLiteral("A-WALL"));
        document->saveAs(A101);
    }

    files::DriveTable table() const
    {
        files::DriveTable drives;
        drives.map(QStringLiteral("C"), host.driveC());
        return drives;
    }

    // A tool's own connection, as a tool's GetObject gets it.
    std::shared_ptr<cad::Application> attach()
    {
        auto registry = std::make_shared<cad::HostRegistry>();
        remote::RemoteHost::install(*registry, std::make_shared<remote::RemoteHost>(host.socketPath()));
        registries.push_back(registry);
        return registry->getObject(cad::HostClassName);
    }

    // The drawing as it is on disk now.
    std::shared_ptr<standin::Document> onDisk(const QString& path)
    {
        auto reader = standin::Host::create(files);
        readers.push_back(reader);
        return reader->openDocument(path);
    }

    const QString A101 = QStringLiteral("C:\\Project\\A101.dwg");
    HostProcess host;
    files::FileSystem files;
    std::vector<std::shared_ptr<cad::HostRegistry>> registries;
    std::vector<std::shared_ptr<standin::Host>> readers;
};

TEST_F(Program, TwoToolsChangeTheOneOpenDrawingAndOneSaveKeepsBothChanges)
{
    ASSERT_TRUE(host.start());
    const QByteArray before = files.readAll(A101);
    const auto first = attach();
    const auto second = attach();
    const auto firstDocument = first->activeDocument();
    const auto secondDocument = second->activeDocument();
    EXPECT_EQ(firstDocument->fullName(), A101);
    EXPECT_EQ(secondDocument->fullName(), A101);

    firstDocument->modelSpace()->addLine(pt(0, 0), pt(10, 0));
    firstDocument->layers()->item(QStringLiteral("A-WALL"))->setColor(3);
    // The second tool sees the first one's changes: it is the same drawing.
    EXPECT_EQ(secondDocument->modelSpace()->count(), 1);
    EXPECT_EQ(secondDocument->layers()->item(QStringLiteral("A-WALL"))->color(), 3);
    secondDocument->modelSpace()->addText(QStringLiteral("REV C"), pt(1, 1), 2.5);
    secondDocument->layers()->add(QStringLiteral("A-DOOR"));
    EXPECT_EQ(files.readAll(A101), before);

    secondDocument->save();
    const auto saved = onDisk(A101);
    EXPECT_EQ(saved->modelSpace()->count(), 2);
    EXPECT_EQ(saved->layers()->item(QStringLiteral("A-WALL"))->color(), 3);
    EXPECT_NO_THROW(saved->layers()->item(QStringLiteral("A-DOOR")));
}

TEST_F(Program, ACommandTypedOnTheCommandLineReachesASubscribedToolBeforeAnythingIsDrawn)
{
    ASSERT_TRUE(host.start());
    const auto application = attach();
    const auto document = application->activeDocument();
    QStringList heard;
    int linesWhenHeard = -1;
    // As the layer tool does: the command's layer is made current from the
    // handler, by calls back into the host while the command waits.
    application->subscribeBeginCommand([&](const QString& name) {
        heard.append(name);
        linesWhenHeard = document->modelSpace()->count();
        document->setActiveLayer(document->layers()->item(QStringLiteral("A-WALL")));
    });

    host.type(QStringLiteral("line"));
    ASSERT_TRUE(host.waitForLine(QStringLiteral("Specify first point:"))) << host.lines().join(u'\n').toStdString();
    EXPECT_EQ(heard, QStringList{QStringLiteral("LINE")});
    EXPECT_EQ(linesWhenHeard, 0);
    host.type(QStringLiteral("0,0"));
    host.type(QStringLiteral("5,5"));
    ASSERT_TRUE(host.waitForLine(QStringLiteral("Specify next point: 5,5")));
    host.type(QString());
    ASSERT_TRUE(host.waitForLine(QStringLiteral("Command:")));
    ASSERT_EQ(document->modelSpace()->count(), 1);
    EXPECT_EQ(document->modelSpace()->item(0)->layer(), QStringLiteral("A-WALL"));

    // Text a tool sends runs there the same way, and shows.
    document->sendCommand(QStringLiteral("CIRCLE\r(load \"nothing.lsp\")\r"));
    EXPECT_TRUE(host.waitForLine(QStringLiteral("Command: CIRCLE")));
    EXPECT_TRUE(host.waitForLine(QStringLiteral("Unknown command \"CIRCLE\".  Press F1 for help.")));
    EXPECT_TRUE(host.waitForLine(QStringLiteral("; error: LOAD failed: \"nothing.lsp\"")));
    EXPECT_EQ(heard, (QStringList{"LINE", "CIRCLE"}));
    host.type(QStringLiteral("FROB"));
    EXPECT_TRUE(host.waitForLine(QStringLiteral("Unknown command \"FROB\".  Press F1 for help.")));
}

TEST_F(Program, AKilledHostLeavesEveryReferenceAToolHoldsUnavailable)
{
    ASSERT_TRUE(host.start());
    cad::HostRegistry registry;
    remote::RemoteHost::install(registry, std::make_shared<remote::RemoteHost>(host.socketPath()));
    const auto application = registry.getObject(cad::HostClassName);
    const auto document = application->activeDocument();
    const auto layer = document->layers()->item(QStringLiteral("A-WALL"));

    host.kill();
    for (const auto& call : std::vector<std::function<void()>>{[&] { document->name(); }, [&] { layer->color(); },
                                                                [&] { application->activeDocument(); }}) {
        const runtime::Error error = caught(call);
        EXPECT_EQ(error.number(), -2147023174);
        EXPECT_EQ(error.description(), QStringLiteral("The RPC server is unavailable."));
    }
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
}

TEST_F(Program, AHostThatEndsIsGoneForEveryToolAndSavesNothingUnasked)
{
    ASSERT_TRUE(host.start());
    const auto application = attach();
    const auto document = application->activeDocument();
    const QByteArray before = files.readAll(A101);
    // Nothing changed: the host ends without a question.
    host.type(QStringLiteral(":exit"));
    EXPECT_EQ(host.waitForEnd(), 0);
    EXPECT_EQ(errorOf([&] { document->name(); }), -2147023174);
    EXPECT_EQ(files.readAll(A101), before);
    EXPECT_FALSE(QFile::exists(host.socketPath()));
}

TEST_F(Program, AKilledToolLeavesTheHostAndItsDrawingsIntact)
{
    ASSERT_TRUE(host.start());
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The test peer attaches, draws a line, subscribes to the command-start
    // event and holds on to what it got.
    tool.start(QStringLiteral(REMOTE_TEST_PEER), {QStringLiteral("tool"), host.socketPath()});
    ASSERT_TRUE(waitUntil([&] { return tool.canReadLine() || tool.state() == QProcess::NotRunning; }));
    ASSERT_EQ(tool.readLine().trimmed(), "ready");
    ::kill(pid_t(tool.processId()), SIGKILL);
    tool.waitForFinished(20000);

    const auto document = attach()->activeDocument();
    EXPECT_EQ(document->modelSpace()->count(), 1);
    // The host's commands go on without the tool's handler.
    host.type(QStringLiteral("LINE"));
    ASSERT_TRUE(host.waitForLine(QStringLiteral("Specify first point:")));
    host.type(QStringLiteral("1,1"));
    host.type(QStringLiteral("2,2"));
    host.type(QString());
    ASSERT_TRUE(waitUntil([&] { return document->modelSpace()->count() == 2; }));
    document->save();
    EXPECT_EQ(onDisk(A101)->modelSpace()->count(), 2);
}

TEST_F(Program, CreateObjectStartsTheHostProgramWhenNoneRuns)
{
    // The program started through a shell that notes its process id, so the
    // test can end it.
    const QString pidFile = host.driveC() + QStringLiteral("/host.pid");
    remote::RemoteHost::Launch launch;
    launch.program = QStringLiteral("/bin/sh");
    launch.arguments = {QStringLiteral("-c"),
                        QStringLiteral("echo $$ > '%1'; exec '%2' --project 'C:\\Project'").arg(pidFile, CADHOST_PROGRAM)};
    auto remoteHost = std::make_shared<remote::RemoteHost>(host.socketPath());
    remoteHost->setLaunch(launch);
    cad::HostRegistry registry;
    remote::RemoteHost::install(registry, remoteHost);
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);

    // The started host inherits the test's environment: its drive C and
    // settings are the test's.
    const QProcessEnvironment environment = host.environment();
    std::vector<std::pair<QByteArray, QByteArray>> saved;
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM"}) {
        saved.emplace_back(name, qgetenv(name));
        qputenv(name, environment.value(QString::fromLatin1(name)).toUtf8());
    }
    std::shared_ptr<cad::Application> application;
    try {
        application = registry.createObject(cad::HostClassName);
    } catch (const runtime::Error& error) {
        ADD_FAILURE() << error.description().toStdString();
    }
    for (const auto& [name, value] : saved) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ASSERT_TRUE(application);
    EXPECT_EQ(application->activeDocument()->fullName(), A101);
    EXPECT_EQ(registry.getObject(cad::HostClassName), application);

    QFile pid(pidFile);
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    ::kill(pid_t(pid.readAll().trimmed().toLongLong()), SIGKILL);
    EXPECT_TRUE(waitUntil([&] { return errorOf([&] { application->activeDocument(); }) == -2147023174; }));
}

}  // namespace
