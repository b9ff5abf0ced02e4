#pragma once
// The stand-in host for real runs. When the environment variable
// TARVO_STANDIN names a folder of drawings, a program starts a stand-in host
// in its own process, registers it as the running "autocad.application" and
// opens the folder's first drawing (or creates "Drawing1.dwg" there); the
// person answers its prompts through small dialogs. Without the variable
// nothing is registered, and the programs behave as they do with no CAD
// program open.
//
// The folder also holds the host's support files ("acad.lin") and its
// profile, kept between starts; it is the default support, template and
// plot-style path. When the host ends, drawings with unsaved changes are
// saved, since the stand-in has no window of its own to save them from, and
// then the host is shut down: whatever a tool still holds of it fails.

#include <QString>
#include <memory>

namespace cad {
class HostRegistry;
}
namespace files {
class FileSystem;
}

namespace standin {

class Host;
class User;

class EmbeddedHost {
public:
    static const char* const FolderVariable;

    // Null when the variable is not set, or names a folder that cannot be
    // used (with a warning).
    static std::unique_ptr<EmbeddedHost> startFromEnvironment(files::FileSystem& files,
                                                              cad::HostRegistry& registry);

    EmbeddedHost(files::FileSystem& files, cad::HostRegistry& registry, const QString& folder,
                 std::unique_ptr<User> user);
    ~EmbeddedHost();
    EmbeddedHost(const EmbeddedHost&) = delete;
    EmbeddedHost& operator=(const EmbeddedHost&) = delete;

    const std::shared_ptr<Host>& host() const { return host_; }
    const QString& folder() const { return folder_; }

private:
    void openFirstDrawing();
    QString profilePath() const;

    files::FileSystem& files_;
    cad::HostRegistry& registry_;
    QString folder_;
    std::unique_ptr<User> user_;
    std::shared_ptr<Host> host_;
};

}  // namespace standin
