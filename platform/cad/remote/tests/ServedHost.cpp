#include "ServedHost.h"

#include "platform/files/DriveTable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <gtest/gtest.h>

namespace remote_test {

ServedHost::ServedHost()
{
    socketPath_ = temp_.path() + QStringLiteral("/run/cad-host");
    QDir(temp_.path()).mkpath(QStringLiteral("drives/c"));
    files::DriveTable table;
    table.map(QStringLiteral("C"), temp_.path() + QStringLiteral("/drives/c"));
    files_ = std::make_unique<files::FileSystem>(table);
    user_.setFailureHook([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    thread_.setObjectName(QStringLiteral("served host"));
    thread_.start();
    context_ = new QObject;
    context_->moveToThread(&thread_);
    run([this] {
        host_ = standin::Host::create(*files_, &user_);
        host_->addDocument();
        server_ = std::make_unique<remote::HostServer>(host_);
        server_->setLogHook([this](const QString& line) {
            QMutexLocker lock(&logMutex_);
            log_.append(line);
        });
        if (!server_->start(socketPath_))
            ADD_FAILURE() << "the host does not listen";
    });
}

ServedHost::~ServedHost()
{
    run([this] {
        server_.reset();
        host_.reset();
        // What the server left for its event loop ends with it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete context_;
    });
    thread_.quit();
    thread_.wait();
}

void ServedHost::run(const std::function<void()>& function)
{
    QMetaObject::invokeMethod(context_, function, Qt::BlockingQueuedConnection);
}

void ServedHost::startCommandLater(const QString& name)
{
    QMetaObject::invokeMethod(context_, [this, name] { host_->startCommand(name); }, Qt::QueuedConnection);
}

int ServedHost::connectionCount()
{
    return inHost([this] { return server_->connectionCount(); });
}

int ServedHost::handleCount()
{
    return inHost([this] { return server_->handleCount(); });
}

QStringList ServedHost::log() const
{
    QMutexLocker lock(&logMutex_);
    return log_;
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

}  // namespace remote_test
