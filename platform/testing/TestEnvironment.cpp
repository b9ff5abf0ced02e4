#include "platform/testing/TestEnvironment.h"

#include "platform/cad/standin/LinetypeCatalogue.h"
#include "platform/cad/standin/ProfileKeys.h"
#include "platform/files/DriveTable.h"

#include <QDir>
#include <gtest/gtest.h>

namespace testing_env {

namespace {
void failTest(const QString& message) { ADD_FAILURE() << message.toStdString(); }
}  // namespace

TestEnvironment::TestEnvironment(const QString& programTitle)
    : ui_(programTitle), dispatcher_(ui_)
{
    program_.title = programTitle;
    program_.path = QStringLiteral("C:\\Program");
    program_.exeName = programTitle + QStringLiteral(".exe");
    program_.major = 1;

    QDir(temp_.path()).mkpath(QStringLiteral("drives/c/Program"));
    files::DriveTable table;
    table.map(QStringLiteral("C"), temp_.path() + QStringLiteral("/drives/c"));
    files_ = std::make_unique<files::FileSystem>(table);
    store_ = std::make_unique<settings::Store>(temp_.path() + QStringLiteral("/settings.ini"));
    shell_ = std::make_unique<shell::RecordingShell>(temp_.path() + QStringLiteral("/shell"));
    shell_->setSuiteFolder(program_.path);
    instances_ = std::make_unique<runtime::SingleInstance>(instanceFolder());

    ui_.setFailureHandler(failTest);
    user_.setFailureHook(failTest);

    env_.program = &program_;
    env_.clock = &clock_;
    env_.settings = store_.get();
    env_.registry = &registry_;
    env_.files = files_.get();
    env_.shell = shell_.get();
    env_.ui = &ui_;
    env_.dispatcher = &dispatcher_;
    env_.desktop = &desktop_;
    env_.hosts = &hosts_;
    env_.instances = instances_.get();
}

QString TestEnvironment::instanceFolder() const { return temp_.path() + QStringLiteral("/instances"); }

TestEnvironment::~TestEnvironment()
{
    EXPECT_EQ(ui_.pending(), 0) << "boxes or dialogs were expected but never shown";
}

QString TestEnvironment::drive(const QString& letter)
{
    const QString folder = temp_.path() + QStringLiteral("/drives/") + letter.left(1).toLower();
    if (!files_->driveTable().isMapped(letter)) {
        QDir().mkpath(folder);
        files_->driveTable().map(letter, folder);
    }
    return folder;
}

const std::shared_ptr<standin::Host>& TestEnvironment::startHost()
{
    if (!host_ || !host_->isRunning()) {
        host_ = standin::Host::create(*files_, &user_);
        if (!files_->folderExists(QStringLiteral("C:\\Support")))
            files_->makeFolder(QStringLiteral("C:\\Support"));
        standin::LinetypeCatalogue::install(*files_, QStringLiteral("C:\\Support"));
        auto profile = host_->context().profile();
        profile.supportPath = QStringLiteral("C:\\Support");
        host_->context().setProfile(profile);
        standin::ProfileKeys::install(registry_, profile.activeProfile);
        hosts_.registerRunning(cad::HostClassName, host_);
    }
    return host_;
}

void TestEnvironment::stopHost()
{
    hosts_.unregisterRunning(cad::HostClassName);
    if (host_)
        host_->shutDown();
}

}  // namespace testing_env
