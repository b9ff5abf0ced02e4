#pragma once
// A stand-in host over a drive C that is a fresh temporary folder, with a
// scripted user whose script running out fails the test, a support folder
// holding the linetype catalogue, and a job folder.

#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/LinetypeCatalogue.h"
#include "platform/cad/standin/ScriptedUser.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace standin::test {

using testing_env::errorOf;

inline cad::Point pt(double x, double y, double z = 0.0) { return cad::Point{x, y, z}; }

class StandinTest : public ::testing::Test {
protected:
    StandinTest() : fs(driveC(temp)), host(Host::create(fs, &user))
    {
        user.setFailureHook([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        fs.makeFolder(QStringLiteral("C:\\Support"));
        fs.makeFolder(QStringLiteral("C:\\Jobs"));
        LinetypeCatalogue::install(fs, QStringLiteral("C:\\Support"));
        ProfileState profile = host->context().profile();
        profile.supportPath = QStringLiteral("C:\\Other;C:\\Support");
        host->context().setProfile(profile);
    }

    static files::DriveTable driveC(const QTemporaryDir& dir)
    {
        QDir(dir.path()).mkdir(QStringLiteral("c"));
        files::DriveTable table;
        table.map(QStringLiteral("C"), dir.path() + QStringLiteral("/c"));
        return table;
    }

    // A new drawing, saved under the path, and closed again.
    void writeDrawing(const QString& path, const std::function<void(Document&)>& fill = {})
    {
        const std::shared_ptr<Document> document = host->addDocument();
        if (fill)
            fill(*document);
        document->saveAs(path);
        host->closeDocument(document);
    }

    QTemporaryDir temp;
    files::FileSystem fs;
    ScriptedUser user;
    std::shared_ptr<Host> host;
};

}  // namespace standin::test
