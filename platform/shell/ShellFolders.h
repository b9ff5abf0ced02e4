#pragma once

#include "platform/shell/KnownFolder.h"

#include <QString>

namespace shell {

// The user's shell folders (desktop, recent documents, start menu and its
// programs group), each made the first time it is asked for. They are host
// folders kept under one root folder of ours; in the user's desktop layout the
// desktop is the user's own desktop folder and the programs group the
// desktop's applications menu folder, so that links put there (see
// DesktopEntry) show on the user's desktop and in its menu.
class ShellFolders {
public:
    enum class Layout {
        OwnRoot,      // every folder under the root
        UserDesktop,  // the desktop and the programs group the user's own
    };

    // An empty root means defaultRoot().
    explicit ShellFolders(QString root = {}, Layout layout = Layout::OwnRoot);

    // $XDG_DATA_HOME/tarvo/shell (~/.local/share/tarvo/shell when unset).
    static QString defaultRoot();

    const QString& root() const { return root_; }

    // The folder's host path, made if missing; "" when it cannot be made, as the
    // shell answers for a folder it does not have.
    QString path(KnownFolder folder) const;

private:
    QString root_;
    Layout layout_;
};

}  // namespace shell
