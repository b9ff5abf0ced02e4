// Hosts and tools in processes of their own, ended the hard way.
#include "ServedHost.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/HostRegistry.h"
#include "platform/cad/remote/ClientLink.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <grp.h>
#include <optional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using remote_test::ServedHost;
using remote_test::waitUntil;
using testing_env::errorOf;

namespace {

// A test peer process (a host or a tool), started and ready; as another user
// when one is given (the test runs as root then).
class Peer {
public:
    explicit Peer(const QStringList& arguments, std::optional<uid_t> user = std::nullopt)
    {
        if (user) {
            process_.setChildProcessModifier([id = *user] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(id) != 0 || ::setuid(id) != 0)
                    ::_exit(3);
            });
        }
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(REMOTE_TEST_PEER), arguments);
        ready_ = waitUntil([this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; }, 20000) &&
                 process_.readLine().trimmed() == "ready";
    }
    ~Peer()
    {
        if (process_.state() != QProcess::NotRunning)
            kill();
    }

    bool ready() const { return ready_; }
    void kill()
    {
        ::kill(pid_t(process_.processId()), SIGKILL);
        process_.waitForFinished(10000);
    }

private:
    QProcess process_;
    bool ready_ = false;
};

runtime::Error caught(const std::function<void()>& call)
{
    try {
        call();
    } catch (const runtime::Error& error) {
        return error;
    }
    return runtime::Error(0, QString());
}

TEST(Processes, KilledHostLeavesEveryHeldReferenceUnavailable)
{
    QTemporaryDir temp;
    const QString socket = temp.path() + QStringLiteral("/cad-host");
    Peer host({QStringLiteral("host"), socket});
    ASSERT_TRUE(host.ready());

    cad::HostRegistry registry;
    remote::RemoteHost::install(registry, std::make_shared<remote::RemoteHost>(socket));
    const auto application = registry.getObject(cad::HostClassName);
    const auto document = application->activeDocument();
    const auto layer = document->layers()->item(QStringLiteral("0"));
    EXPECT_EQ(document->name(), QStringLiteral("Drawing1.dwg"));
    EXPECT_EQ(registry.getObject(cad::HostClassName), application);

    host.kill();
    for (const auto& call : std::vector<std::function<void()>>{[&] { document->name(); }, [&] { layer->color(); },
                                                                [&] { application->documents(); }}) {
        const runtime::Error error = caught(call);
        EXPECT_EQ(error.number(), -2147023174);
        EXPECT_EQ(error.description(), QStringLiteral("The RPC server is unavailable."));
    }
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));
}

TEST(Processes, OnlyTheHostsOwnUserIsLetIn)
{
    // libdbus by itself lets root into any user's host; the host lets in its
    // own user alone. Root is needed to run a host as another user.
    if (::geteuid() != 0)
        GTEST_SKIP() << "runs a host as another user, which needs root";
    constexpr uid_t Nobody = 65534;
    QTemporaryDir temp;
    // A folder the other user may make the socket in, like /tmp.
    const QString folder = temp.path() + QStringLiteral("/run");
    ASSERT_TRUE(QDir().mkpath(folder));
    ::chmod(QFile::encodeName(temp.path()).constData(), 0711);
    ::chmod(QFile::encodeName(folder).constData(), 01777);
    const QString socket = folder + QStringLiteral("/cad-host");
    Peer host({QStringLiteral("host"), socket}, Nobody);
    ASSERT_TRUE(host.ready());

    // The socket takes the connection; the handshake refuses it.
    const auto link = remote::ClientLink::connect(socket);
    ASSERT_TRUE(link);
    EXPECT_EQ(errorOf([&] { link->application(); }), -2147023174);
    EXPECT_FALSE(link->isConnected());
    remote::RemoteHost remoteHost(socket);
    EXPECT_EQ(errorOf([&] { remoteHost.attach(); }), 429);
}

TEST(Processes, KilledToolLeavesTheHostAndItsDrawingIntact)
{
    ServedHost served;
    Peer tool({QStringLiteral("tool"), served.socketPath()});
    ASSERT_TRUE(tool.ready());
    EXPECT_EQ(served.connectionCount(), 1);
    EXPECT_GT(served.handleCount(), 3);

    tool.kill();
    EXPECT_TRUE(waitUntil([&] { return served.connectionCount() == 0; }));
    EXPECT_EQ(served.handleCount(), 0);
    const auto modelSpaceCount = [&] {
        return served.inHost([&] { return served.host().activeDocument()->modelSpace()->count(); });
    };
    EXPECT_EQ(modelSpaceCount(), 1);
    // The host's commands go on without the tool's handler; other tools are
    // served.
    served.inHost([&] { served.host().startCommand(QStringLiteral("LINE")); });
    const auto link = remote::ClientLink::connect(served.socketPath());
    ASSERT_TRUE(link);
    link->application()->activeDocument()->modelSpace()->addLine({0, 0, 0}, {2, 2, 0});
    EXPECT_EQ(modelSpaceCount(), 2);
}

TEST(Processes, CreateObjectStartsTheHostProgramAndGetObjectFindsIt)
{
    QTemporaryDir temp;
    const QString socket = temp.path() + QStringLiteral("/cad-host");
    auto remoteHost = std::make_shared<remote::RemoteHost>(socket);
    cad::HostRegistry registry;
    remote::RemoteHost::install(registry, remoteHost);
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);

    remoteHost->setLaunch({temp.path() + QStringLiteral("/no-such-program"), {}, 2000});
    EXPECT_EQ(errorOf([&] { registry.createObject(cad::HostClassName); }), 429);

    remoteHost->setLaunch(
        {QStringLiteral(REMOTE_TEST_PEER), {QStringLiteral("host"), socket, QStringLiteral("--exit-when-idle")}, 20000});
    {
        const auto application = registry.createObject(cad::HostClassName);
        EXPECT_EQ(application->activeDocument()->name(), QStringLiteral("Drawing1.dwg"));
        EXPECT_EQ(registry.getObject(cad::HostClassName), application);
    }
    // The started host ends once its last tool has gone.
    remoteHost->setLaunch({});
    EXPECT_TRUE(waitUntil([&] { return !remote::ClientLink::connect(socket); }, 20000));
}

}  // namespace
