#pragma once
// What the host program is started with:
//
//   cadhost [--project <folder>] [--control-stdin] [drawing...]
//   cadhost --ping
//
// The project folder (also from $TARVO_CAD_PROJECT) is the host's working
// folder; without one the host works in a folder of its own. Drawings named
// are opened at start. --control-stdin lets a test or a script type on the
// command line (ControlChannel). --ping only answers whether a host listens
// on the user's socket (exit code 0) or not (1). The socket is the user's, or
// $TARVO_CAD_SOCKET.

#include <QString>
#include <QStringList>
#include <optional>

namespace hostapp {

struct HostOptions {
    static const char* const ProjectVariable;  // TARVO_CAD_PROJECT

    QString project;
    QStringList drawings;
    bool controlStdin = false;
    bool ping = false;

    // The program's arguments without its own name; nothing, with the
    // reason, for arguments it does not know.
    static std::optional<HostOptions> parse(const QStringList& arguments, QString* problem);
    static QString usage();
};

}  // namespace hostapp
