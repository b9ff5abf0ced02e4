#include "platform/cad/remote/RemoteHost.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/remote/ClientLink.h"
#include "platform/cad/remote/SocketPath.h"
#include "platform/runtime/Error.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

namespace remote {

namespace {
const QString HostProgramName = QStringLiteral("cadhost");
constexpr int PollIntervalMs = 50;
}  // namespace

RemoteHost::RemoteHost(const QString& socketPath)
    : socketPath_(socketPath.isEmpty() ? SocketPath::resolve() : socketPath)
{
}

RemoteHost::~RemoteHost() = default;

std::shared_ptr<cad::Application> RemoteHost::tryAttach()
{
    if (const std::shared_ptr<ClientLink> link = link_.lock(); link && link->isConnected()) {
        try {
            return link->application();
        } catch (const runtime::Error& error) {
            if (error.number() != cad::err::RpcServerUnavailable)
                throw;
        }
    }
    // A host that ended leaves its old link to the proxies tools still hold.
    const std::shared_ptr<ClientLink> link = ClientLink::connect(socketPath_);
    if (!link)
        return nullptr;
    try {
        std::shared_ptr<cad::Application> application = link->application();
        link_ = link;
        return application;
    } catch (const runtime::Error& error) {
        if (error.number() != cad::err::RpcServerUnavailable)
            throw;
        return nullptr;
    }
}

std::shared_ptr<cad::Application> RemoteHost::attach()
{
    std::shared_ptr<cad::Application> application = tryAttach();
    if (!application)
        cad::raise(cad::err::CannotCreateObject);
    return application;
}

std::shared_ptr<cad::Application> RemoteHost::start()
{
    // One host per user: a running one is the one a start would reach.
    if (std::shared_ptr<cad::Application> running = tryAttach())
        return running;
    const QString program = launch_.program.isEmpty() ? findHostProgram() : launch_.program;
    if (program.isEmpty())
        cad::raise(cad::err::CannotCreateObject);
    QProcess process;
    process.setProgram(program);
    process.setArguments(launch_.arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARVO_CAD_SOCKET"), socketPath_);
    process.setProcessEnvironment(environment);
    if (!process.startDetached())
        cad::raise(cad::err::CannotCreateObject);
    const QDeadlineTimer deadline(launch_.waitMs);
    while (!deadline.hasExpired()) {
        if (std::shared_ptr<cad::Application> application = tryAttach())
            return application;
        QThread::msleep(PollIntervalMs);
    }
    cad::raise(cad::err::CannotCreateObject);
}

void RemoteHost::install(cad::HostRegistry& registry, std::shared_ptr<RemoteHost> host)
{
    registry.registerLocator(cad::HostClassName, [host] { return host->tryAttach(); });
    registry.registerFactory(cad::HostClassName, [host] { return host->start(); });
}

QString RemoteHost::findHostProgram()
{
    if (QCoreApplication::instance()) {
        const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + HostProgramName);
        if (beside.isFile() && beside.isExecutable())
            return beside.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(HostProgramName);
}

}  // namespace remote
