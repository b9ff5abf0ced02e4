#include "HostProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <signal.h>

namespace hostapp_test {

HostProcess::HostProcess()
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setProcessEnvironment(environment());
    QDir(temp_.path()).mkpath(QStringLiteral("data/tarvo/drives/c/Project"));
    QDir(temp_.path()).mkpath(QStringLiteral("config"));
    QDir(temp_.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(temp_.path() + QStringLiteral("/run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

HostProcess::~HostProcess()
{
    if (running())
        kill();
}

QString HostProcess::driveC() const { return temp_.path() + QStringLiteral("/data/tarvo/drives/c"); }

QString HostProcess::socketPath() const { return temp_.path() + QStringLiteral("/cad-host"); }

QProcessEnvironment HostProcess::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), temp_.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp_.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), temp_.path() + QStringLiteral("/run"));
    environment.insert(QStringLiteral("TARVO_CAD_SOCKET"), socketPath());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("TARVO_CAD_PROJECT"));
    return environment;
}

bool HostProcess::start(const QString& project)
{
    process_.start(QStringLiteral(CADHOST_PROGRAM),
                   {QStringLiteral("--control-stdin"), QStringLiteral("--project"), project});
    return waitForLine(QStringLiteral("ready"));
}

void HostProcess::type(const QString& line) { process_.write((line + u'\n').toUtf8()); }

void HostProcess::readLines()
{
    while (process_.canReadLine())
        lines_.append(QString::fromUtf8(process_.readLine()).chopped(1));
}

bool HostProcess::waitForLine(const QString& text, int milliseconds)
{
    const auto found = [&] {
        readLines();
        for (qsizetype i = searched_; i < lines_.size(); ++i) {
            if (lines_[i] == text) {
                searched_ = i + 1;
                return true;
            }
        }
        return !running();
    };
    return waitUntil(found, milliseconds) && running();
}

void HostProcess::kill()
{
    ::kill(pid_t(process_.processId()), SIGKILL);
    process_.waitForFinished(20000);
}

int HostProcess::waitForEnd(int milliseconds)
{
    if (!waitUntil([&] { return !running(); }, milliseconds))
        return -1;
    return process_.exitCode();
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace hostapp_test
