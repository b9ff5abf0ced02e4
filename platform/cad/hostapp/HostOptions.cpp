#include "platform/cad/hostapp/HostOptions.h"

#include <QtGlobal>

namespace hostapp {

const char* const HostOptions::ProjectVariable = "TARVO_CAD_PROJECT";

std::optional<HostOptions> HostOptions::parse(const QStringList& arguments, QString* problem)
{
    HostOptions options;
    options.project = qEnvironmentVariable(ProjectVariable);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--project")) {
            if (i + 1 >= arguments.size()) {
                *problem = QStringLiteral("--project needs a folder");
                return std::nullopt;
            }
            options.project = arguments[++i];
        } else if (argument == QStringLiteral("--control-stdin")) {
            options.controlStdin = true;
        } else if (argument == QStringLiteral("--ping")) {
            options.ping = true;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            *problem = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        } else {
            options.drawings.append(argument);
        }
    }
    return options;
}

QString HostOptions::usage()
{
    return QStringLiteral("Usage: cadhost [--project <folder>] [--control-stdin] [drawing...]\n"
                          "       cadhost --ping");
}

}  // namespace hostapp
