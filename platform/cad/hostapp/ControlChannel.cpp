#include "platform/cad/hostapp/ControlChannel.h"

#include "platform/cad/hostapp/CommandLine.h"
#include "platform/forms/Dispatcher.h"

#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

namespace hostapp {

ControlChannel::ControlChannel(CommandLine& commandLine, forms::Dispatcher& dispatcher, std::function<void()> exit,
                               QObject* parent)
    : QObject(parent), commandLine_(commandLine), dispatcher_(dispatcher), exit_(std::move(exit))
{
    connect(&commandLine_, &CommandLine::echoed, this, &ControlChannel::write);
    connect(&commandLine_, &CommandLine::promptShown, this, &ControlChannel::write);
}

void ControlChannel::write(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ControlChannel::start()
{
    write(QStringLiteral("ready"));
    notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ControlChannel::readInput);
}

void ControlChannel::readInput()
{
    char buffer[4096];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        // The other end has gone: the host goes on as if started without.
        notifier_->setEnabled(false);
        return;
    }
    pending_.append(buffer, count);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        take(line);
    }
}

void ControlChannel::take(const QByteArray& bytes)
{
    QString line = QString::fromUtf8(bytes);
    if (line.endsWith(u'\r'))
        line.chop(1);
    dispatcher_.run([&] {
        if (line == QStringLiteral(":esc"))
            commandLine_.pressEscape();
        else if (line == QStringLiteral(":exit"))
            exit_();
        else
            commandLine_.type(line);
    });
}

}  // namespace hostapp
