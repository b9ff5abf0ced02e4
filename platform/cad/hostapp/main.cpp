// The host program: the one running stand-in CAD host of the user's desktop,
// which every tool attaches to.
#include "platform/cad/hostapp/HostProgram.h"
#include "platform/cad/hostapp/HostWindow.h"
#include "platform/env/SystemEnvironment.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString problem;
    const std::optional<hostapp::HostOptions> options = hostapp::HostOptions::parse(arguments, &problem);
    if (!options) {
        std::fprintf(stderr, "cadhost: %s\n%s\n", qPrintable(problem), qPrintable(hostapp::HostOptions::usage()));
        return 2;
    }
    if (options->ping) {
        QCoreApplication app(argc, argv);
        return hostapp::HostProgram::ping();
    }
    env::SystemEnvironment system(argc, argv, hostapp::HostWindow::Title);
    hostapp::HostProgram program(system.env(), *options);
    if (!program.start(&problem)) {
        std::fprintf(stderr, "cadhost: %s\n", qPrintable(problem));
        return 3;
    }
    return system.run([&] { program.show(); });
}
