// The host's working folder: what the host starts with and keeps between
// starts, and that starting changes no drawing on disk.
#include "platform/cad/CadErrors.h"
#include "platform/cad/HostRegistry.h"
#include "platform/cad/hostapp/HostFolder.h"
#include "platform/cad/remote/RemoteHost.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/ProfileFile.h"
#include "platform/cad/standin/ProfileKeys.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/settings/Registry.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using hostapp::HostFolder;
using testing_env::errorOf;

namespace {

cad::Point pt(double x, double y) { return {x, y, 0.0}; }

class Folder : public ::testing::Test {
protected:
    Folder() : fs(driveC()) { QDir().mkpath(temp.path() + QStringLiteral("/c/Project")); }

    files::DriveTable driveC() const
    {
        QDir(temp.path()).mkpath(QStringLiteral("c"));
        files::DriveTable table;
        table.map(QStringLiteral("C"), temp.path() + QStringLiteral("/c"));
        return table;
    }

    // A host started on the folder as the program starts it.
    std::shared_ptr<standin::Host> start(const QString& folder, const QStringList& drawings = {})
    {
        auto host = standin::Host::create(fs);
        hosts.push_back(host);
        // The folder keeps the profile for as long as the host runs.
        auto hostFolder = std::make_unique<HostFolder>(fs, registry, *host, folder);
        QString problem;
        EXPECT_TRUE(hostFolder->exists(&problem)) << problem.toStdString();
        hostFolder->prepare();
        hostFolder->openDrawings(drawings);
        folders.push_back(std::move(hostFolder));
        return host;
    }

    void writeDrawing(const QString& path, const QString& layer)
    {
        auto host = standin::Host::create(fs);
        const auto document = host->addDocument();
        document->layers()->add(layer);
        document->saveAs(path);
    }

    const QString project = QStringLiteral("C:\\Project");
    QTemporaryDir temp;
    files::FileSystem fs;
    settings::Registry registry;
    std::vector<std::shared_ptr<standin::Host>> hosts;
    std::vector<std::unique_ptr<HostFolder>> folders;
};

TEST_F(Folder, WithoutARunningHostProgramGetObjectFindsNothing)
{
    cad::HostRegistry registry;
    remote::RemoteHost::install(registry, std::make_shared<remote::RemoteHost>(temp.path() + QStringLiteral("/cad-host")));
    EXPECT_EQ(errorOf([&] { registry.getObject(cad::HostClassName); }), 429);
    EXPECT_FALSE(registry.isRunning(cad::HostClassName));
}

TEST_F(Folder, OpensTheFirstDrawingAndKeepsTheProfileButNoUnsavedChange)
{
    writeDrawing(project + QStringLiteral("\\A101.dwg"), QStringLiteral("Walls"));
    writeDrawing(project + QStringLiteral("\\A102.dwg"), QStringLiteral("Doors"));
    const QByteArray before = fs.readAll(project + QStringLiteral("\\A101.dwg"));
    {
        const auto host = start(project);
        const auto document = host->activeDocument();
        EXPECT_EQ(document->fullName(), project + QStringLiteral("\\A101.dwg"));
        EXPECT_EQ(host->documentList().size(), 1u);
        EXPECT_TRUE(fs.fileExists(project + QStringLiteral("\\acad.lin")));
        EXPECT_TRUE(fs.folderExists(project + QStringLiteral("\\Plots")));
        EXPECT_EQ(host->preferences()->files()->templateDwgPath(), project);
        EXPECT_EQ(host->preferences()->files()->supportPath(), project);

        document->linetypes()->load(QStringLiteral("CENTER"), QStringLiteral("acad.lin"));
        document->setVariable(QStringLiteral("SDI"), 1);
        host->preferences()->files()->setTemplateDwgPath(QStringLiteral("P:\\Projects\\1234"));
        host->shutDown();
    }
    // Nothing of the drawing was saved behind the person's back.
    EXPECT_EQ(fs.readAll(project + QStringLiteral("\\A101.dwg")), before);

    const auto again = start(project);
    const auto document = again->activeDocument();
    EXPECT_EQ(errorOf([&] { document->linetypes()->item(QStringLiteral("CENTER")); }), cad::err::KeyNotFound);
    EXPECT_EQ(document->getVariable(QStringLiteral("SDI")).toInt(), 1);
    EXPECT_EQ(again->preferences()->files()->templateDwgPath(), QStringLiteral("P:\\Projects\\1234"));
}

TEST_F(Folder, NamedDrawingsOpenAndAnEmptyFolderGivesANewDrawingWithoutAFile)
{
    writeDrawing(project + QStringLiteral("\\A101.dwg"), QStringLiteral("Walls"));
    writeDrawing(project + QStringLiteral("\\A102.dwg"), QStringLiteral("Doors"));
    const auto named = start(project, {QStringLiteral("A102.dwg"), project + QStringLiteral("\\A101.dwg")});
    ASSERT_EQ(named->documentList().size(), 2u);
    EXPECT_EQ(named->documentList()[0]->nameRaw(), QStringLiteral("A102.dwg"));
    EXPECT_EQ(named->active()->nameRaw(), QStringLiteral("A101.dwg"));

    fs.makeFolder(QStringLiteral("C:\\Empty"));
    const auto empty = start(QStringLiteral("C:\\Empty"));
    EXPECT_EQ(empty->activeDocument()->name(), QStringLiteral("Drawing1.dwg"));
    EXPECT_EQ(empty->activeDocument()->fullName(), QString());
    EXPECT_TRUE(fs.listFiles(QStringLiteral("C:\\Empty"), QStringLiteral("*.dwg")).isEmpty());
}

TEST_F(Folder, DrawingThatFailsToOpenIsNeverOverwritten)
{
    fs.writeAll(project + QStringLiteral("\\Drawing1.dwg"), "not a drawing");
    fs.writeText(project + QStringLiteral("\\") + standin::ProfileFile::FileName, QStringLiteral("SDI=7\n"));
    {
        const auto host = start(project);
        const auto document = host->activeDocument();
        EXPECT_EQ(document->fullName(), QString());
        EXPECT_EQ(document->getVariable(QStringLiteral("SDI")).toInt(), 0);
        document->modelSpace()->addLine(pt(0, 0), pt(1, 1));
        host->shutDown();
    }
    EXPECT_EQ(fs.readAll(project + QStringLiteral("\\Drawing1.dwg")), QByteArray("not a drawing"));
}

TEST_F(Folder, TheHostsRegistryValuesArePresentAfterTheFirstStart)
{
    EXPECT_FALSE(registry.value(standin::ProfileKeys::ReleaseKey, standin::ProfileKeys::VersionValue));
    start(project);
    EXPECT_EQ(registry.value(standin::ProfileKeys::ReleaseKey, standin::ProfileKeys::VersionValue),
              standin::ProfileKeys::CurrentVersion);
    for (const QString& dialog : standin::ProfileKeys::Dialogs)
        EXPECT_TRUE(registry.keyExists(standin::ProfileKeys::dialogKey(QStringLiteral("Default"), dialog)));

    // A value a tool wrote there stays through the next start.
    const QString key = standin::ProfileKeys::dialogKey(QStringLiteral("Default"), standin::ProfileKeys::Dialogs[0]);
    registry.setValue(key, QStringLiteral("InitialDirectory"), QStringLiteral("P:\\1234"));
    start(project);
    EXPECT_EQ(standin::ProfileKeys::initialDirectory(registry, QStringLiteral("Default"), standin::ProfileKeys::Dialogs[0]),
              QStringLiteral("P:\\1234"));
}

TEST_F(Folder, WithoutAProjectTheHostMakesAFolderOfItsOwnButAMissingProjectIsRefused)
{
    auto host = standin::Host::create(fs);
    HostFolder own(fs, registry, *host, QString());
    QString problem;
    EXPECT_TRUE(own.exists(&problem));
    EXPECT_EQ(own.folder(), HostFolder::OwnFolder);
    EXPECT_TRUE(fs.folderExists(HostFolder::OwnFolder));

    HostFolder missing(fs, registry, *host, QStringLiteral("C:\\NoSuchProject"));
    EXPECT_FALSE(missing.exists(&problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("C:\\NoSuchProject")));
    EXPECT_FALSE(fs.folderExists(QStringLiteral("C:\\NoSuchProject")));
}

}  // namespace
