#pragma once
// The host program's working folder: the project folder it was started on,
// else a folder of its own on drive C. It holds the host's support files
// ("acad.lin") and its profile between starts, and is the support, template
// and plot-style path until a tool or the profile says otherwise; plots land
// in its "Plots" folder. Here the host's registry values (the release key
// and the profile's dialog keys) are laid out, and the drawings the host
// starts with are opened. Opening changes nothing on disk: a drawing is
// written only when someone saves it.

#include <QString>
#include <QStringList>

namespace files {
class FileSystem;
}
namespace settings {
class Registry;
}
namespace standin {
class Host;
}

namespace hostapp {

class HostFolder {
public:
    static const QString OwnFolder;        // C:\CadHost
    static const QString PlotFolderName;   // Plots

    HostFolder(files::FileSystem& files, settings::Registry& registry, standin::Host& host, QString folder);
    ~HostFolder();
    HostFolder(const HostFolder&) = delete;
    HostFolder& operator=(const HostFolder&) = delete;

    const QString& folder() const { return folder_; }
    QString plotFolder() const;

    // Makes the host's own folder when it is the one used; false, with the
    // reason, when the folder cannot be used.
    bool exists(QString* problem);
    // The profile (the folder's defaults, then what the last run kept, kept
    // again whenever it changes), the linetype catalogue, the plot folder and
    // the registry values.
    void prepare();
    // The drawings named (a name without a folder is in the working folder),
    // else the folder's first drawing, else a new drawing that has no file
    // yet. A drawing that fails to open is reported and skipped.
    void openDrawings(const QStringList& named);

private:
    QString profilePath() const;
    bool open(const QString& path);

    files::FileSystem& files_;
    settings::Registry& registry_;
    standin::Host& host_;
    QString folder_;
};

}  // namespace hostapp
