#include "platform/cad/standin/EmbeddedHost.h"

#include "platform/cad/HostRegistry.h"
#include "platform/cad/standin/DialogUser.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/LinetypeCatalogue.h"
#include "platform/cad/standin/ProfileFile.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

#include <QtDebug>

namespace standin {

const char* const EmbeddedHost::FolderVariable = "TARVO_STANDIN";

std::unique_ptr<EmbeddedHost> EmbeddedHost::startFromEnvironment(files::FileSystem& files,
                                                                 cad::HostRegistry& registry)
{
    const QString folder = qEnvironmentVariable(FolderVariable);
    if (folder.isEmpty())
        return nullptr;
    if (!files.folderExists(folder)) {
        qWarning("%s: the folder %s does not exist; no CAD host started", FolderVariable, qPrintable(folder));
        return nullptr;
    }
    return std::make_unique<EmbeddedHost>(files, registry, folder, std::make_unique<DialogUser>());
}

EmbeddedHost::EmbeddedHost(files::FileSystem& files, cad::HostRegistry& registry, const QString& folder,
                           std::unique_ptr<User> user)
    : files_(files), registry_(registry), folder_(folder), user_(std::move(user)),
      host_(Host::create(files, user_.get()))
{
    HostContext& context = host_->context();
    ProfileState profile = context.profile();
    profile.supportPath = folder_;
    profile.templateDwgPath = folder_;
    profile.printerStyleSheetPath = folder_;
    context.setProfile(profile);
    ProfileFile::load(context, profilePath());
    context.setStateObserver([this] { ProfileFile::save(host_->context(), profilePath()); });
    try {
        LinetypeCatalogue::install(files_, folder_);
    } catch (const runtime::Error& error) {
        qWarning("Stand-in host: cannot write %s (%s)", qPrintable(LinetypeCatalogue::FileName),
                 qPrintable(error.description()));
    }
    openFirstDrawing();
    registry_.registerRunning(cad::HostClassName, host_);
}

EmbeddedHost::~EmbeddedHost()
{
    registry_.unregisterRunning(cad::HostClassName);
    // A tool may still hold the application: it then finds no one to answer
    // prompts rather than a user that is gone.
    host_->setUser(nullptr);
    host_->context().setStateObserver({});
    for (const auto& document : host_->documentList()) {
        if (!document->drawing()->isModified() || document->fullNameRaw().isEmpty() || document->readOnly())
            continue;
        try {
            document->save();
        } catch (const runtime::Error& error) {
            qWarning("Stand-in host: cannot save %s (%s)", qPrintable(document->fullNameRaw()),
                     qPrintable(error.description()));
        }
    }
    host_->shutDown();
}

QString EmbeddedHost::profilePath() const { return files::WinPath::join(folder_, ProfileFile::FileName); }

void EmbeddedHost::openFirstDrawing()
{
    QStringList drawings;
    try {
        drawings = files_.listFiles(folder_, QStringLiteral("*.dwg"));
        if (!drawings.isEmpty()) {
            host_->openDocument(files::WinPath::join(folder_, drawings.first()));
            return;
        }
    } catch (const runtime::Error& error) {
        qWarning("Stand-in host: cannot open a drawing in %s (%s)", qPrintable(folder_),
                 qPrintable(error.description()));
    }
    const std::shared_ptr<Document> document = host_->addDocument();
    // A new drawing gets a file only in a folder without drawings, so a file
    // that failed to open is never overwritten.
    if (!drawings.isEmpty())
        return;
    try {
        document->saveAs(files::WinPath::join(folder_, document->nameRaw()));
    } catch (const runtime::Error& error) {
        qWarning("Stand-in host: cannot save %s (%s)", qPrintable(document->nameRaw()),
                 qPrintable(error.description()));
    }
}

}  // namespace standin
