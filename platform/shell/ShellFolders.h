#pragma once

#include "platform/shell/KnownFolder.h"

#include <QString>

namespace shell {

// The user's shell folders (desktop, recent documents, start menu and its
// programs group) kept under one root folder of ours, each made the first time
// it is asked for. They are host folders: the suite's links are text files of
// its own, so they live apart from the host desktop's real folders.
class ShellFolders {
public:
    // An empty root means defaultRoot().
    explicit ShellFolders(QString root = {});

    // $XDG_DATA_HOME/tarvo/shell (~/.local/share/tarvo/shell when unset).
    static QString defaultRoot();

    const QString& root() const { return root_; }

    // The folder's host path, made if missing; "" when it cannot be made, as the
    // shell answers for a folder it does not have.
    QString path(KnownFolder folder) const;

private:
    QString root_;
};

}  // namespace shell
