#pragma once
// A way to drive the host program without its window, for tests and
// scripts (cadhost --control-stdin): each line read from standard input is
// typed on the command line and entered, ":esc" presses Esc and ":exit" asks
// the host to end as the close box does. Every line the command line adds
// and every prompt it shows is written to standard output, after a first
// line "ready" once the host listens.

#include <QByteArray>
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace forms {
class Dispatcher;
}

namespace hostapp {

class CommandLine;

class ControlChannel : public QObject {
    Q_OBJECT

public:
    ControlChannel(CommandLine& commandLine, forms::Dispatcher& dispatcher, std::function<void()> exit,
                   QObject* parent = nullptr);

    // Writes "ready" and starts reading.
    void start();
    // One line as read from the input.
    void take(const QByteArray& line);

private:
    void readInput();
    static void write(const QString& line);

    CommandLine& commandLine_;
    forms::Dispatcher& dispatcher_;
    std::function<void()> exit_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray pending_;
};

}  // namespace hostapp
