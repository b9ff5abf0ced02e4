#include "platform/cad/hostapp/HostFolder.h"

#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/LinetypeCatalogue.h"
#include "platform/cad/standin/ProfileFile.h"
#include "platform/cad/standin/ProfileKeys.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

#include <QtDebug>

namespace hostapp {

const QString HostFolder::OwnFolder = QStringLiteral("C:\\CadHost");
const QString HostFolder::PlotFolderName = QStringLiteral("Plots");

HostFolder::HostFolder(files::FileSystem& files, settings::Registry& registry, standin::Host& host, QString folder)
    : files_(files), registry_(registry), host_(host), folder_(folder.isEmpty() ? OwnFolder : std::move(folder))
{
}

HostFolder::~HostFolder() { host_.context().setStateObserver({}); }

QString HostFolder::plotFolder() const { return files::WinPath::join(folder_, PlotFolderName); }

QString HostFolder::profilePath() const { return files::WinPath::join(folder_, standin::ProfileFile::FileName); }

bool HostFolder::exists(QString* problem)
{
    if (files_.folderExists(folder_))
        return true;
    if (folder_ == OwnFolder) {
        try {
            files_.makeFolder(folder_);
            return true;
        } catch (const runtime::Error& error) {
            *problem = QStringLiteral("cannot make %1 (%2)").arg(folder_, error.description());
            return false;
        }
    }
    *problem = QStringLiteral("the folder %1 does not exist").arg(folder_);
    return false;
}

void HostFolder::prepare()
{
    standin::HostContext& context = host_.context();
    standin::ProfileState profile = context.profile();
    profile.supportPath = folder_;
    profile.templateDwgPath = folder_;
    profile.printerStyleSheetPath = folder_;
    context.setProfile(profile);
    standin::ProfileFile::load(context, profilePath());
    context.setStateObserver([this] { standin::ProfileFile::save(host_.context(), profilePath()); });
    try {
        standin::LinetypeCatalogue::install(files_, folder_);
    } catch (const runtime::Error& error) {
        qWarning("cadhost: cannot write %s (%s)", qPrintable(standin::LinetypeCatalogue::FileName),
                 qPrintable(error.description()));
    }
    try {
        if (!files_.folderExists(plotFolder()))
            files_.makeFolder(plotFolder());
    } catch (const runtime::Error& error) {
        qWarning("cadhost: cannot make %s (%s)", qPrintable(plotFolder()), qPrintable(error.description()));
    }
    try {
        standin::ProfileKeys::install(registry_, context.profile().activeProfile);
    } catch (const runtime::Error& error) {
        qWarning("cadhost: cannot lay out the registry values (%s)", qPrintable(error.description()));
    }
}

bool HostFolder::open(const QString& path)
{
    try {
        host_.openDocument(path);
        return true;
    } catch (const runtime::Error& error) {
        qWarning("cadhost: cannot open %s (%s)", qPrintable(path), qPrintable(error.description()));
        return false;
    }
}

void HostFolder::openDrawings(const QStringList& named)
{
    bool opened = false;
    for (const QString& name : named) {
        const bool hasFolder = files::WinPath::hasDrive(name) || name.contains(u'\\') || name.contains(u'/');
        opened = open(hasFolder ? name : files::WinPath::join(folder_, name)) || opened;
    }
    if (opened)
        return;
    if (named.isEmpty()) {
        try {
            const QStringList drawings = files_.listFiles(folder_, QStringLiteral("*.dwg"));
            if (!drawings.isEmpty() && open(files::WinPath::join(folder_, drawings.first())))
                return;
        } catch (const runtime::Error& error) {
            qWarning("cadhost: cannot list %s (%s)", qPrintable(folder_), qPrintable(error.description()));
        }
    }
    host_.addDocument();
}

}  // namespace hostapp
