#pragma once
// The host program started for a test: offscreen, on a socket, drive C and
// settings of a temporary folder of its own, with its command line driven
// through standard input ("cadhost --control-stdin"). The test writes
// drawings under driveC() before start(), types lines, and reads what the
// command line shows.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace hostapp_test {

class HostProcess {
public:
    HostProcess();
    ~HostProcess();

    // The host folder behind the program's drive C.
    QString driveC() const;
    QString socketPath() const;

    // Starts the program on the project folder (a C: path) and waits until
    // it listens.
    bool start(const QString& project = QStringLiteral("C:\\Project"));
    void type(const QString& line);
    // Waits until the command line has shown the line (a line of its
    // history, or a prompt), looking from the line after the last one found.
    bool waitForLine(const QString& text, int milliseconds = 20000);
    const QStringList& lines() const { return lines_; }

    // SIGKILL, and waits for its end.
    void kill();
    // Waits for the program's own end; its exit code, -1 when it did not end.
    int waitForEnd(int milliseconds = 20000);
    bool running() const { return process_.state() != QProcess::NotRunning; }

    // The environment the program ran in (for starting it another way).
    QProcessEnvironment environment() const;

private:
    void readLines();

    QTemporaryDir temp_;
    QProcess process_;
    QStringList lines_;
    qsizetype searched_ = 0;
};

// Lets the test's event loop run until `condition` holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 20000);

}  // namespace hostapp_test
