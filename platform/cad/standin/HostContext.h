#pragma once
// What every object of one stand-in host shares: the file system its drawings
// live in, the journal, the injected failures, the user who answers prompts,
// the plot device catalogue and the plots made, the active profile and the
// application-wide system variables, the command line tools send text to, and
// whether the host still runs; the host program's hooks that turn plots into
// pages and saved drawings into thumbnails, when it has set them. Also the
// guards every host member passes through.

#include "platform/cad/standin/DeviceCatalogue.h"
#include "platform/cad/standin/Failures.h"
#include "platform/cad/standin/Journal.h"
#include "platform/cad/standin/PlotJob.h"
#include "platform/cad/standin/ProfileState.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace files {
class FileSystem;
}

namespace standin {

class PlotSink;
class ThumbnailMaker;
class CommandSink;
class User;

class HostContext {
public:
    explicit HostContext(files::FileSystem& files);

    files::FileSystem& files() const { return files_; }
    Journal& journal() { return journal_; }
    Failures& failures() { return failures_; }
    DeviceCatalogue& devices() { return devices_; }
    std::vector<PlotJob>& plotJobs() { return plotJobs_; }

    User* user() const { return user_; }
    void setUser(User* user) { user_ = user; }

    // Told of every plot and preview after its job is recorded; none by
    // default. It must outlive its use.
    PlotSink* plotSink() const { return plotSink_; }
    void setPlotSink(PlotSink* sink) { plotSink_ = sink; }
    // Draws the thumbnail of each drawing saved; without one, drawings are
    // saved with no thumbnail. It must outlive its use.
    const ThumbnailMaker* thumbnailMaker() const { return thumbnailMaker_; }
    void setThumbnailMaker(const ThumbnailMaker* maker) { thumbnailMaker_ = maker; }
    // Null: SendCommand starts the command it names by itself.
    CommandSink* commandSink() const { return commandSink_; }
    void setCommandSink(CommandSink* sink) { commandSink_ = sink; }

    const ProfileState& profile() const { return profile_; }
    void setProfile(const ProfileState& profile);

    // Application-wide system variables by canonical name ("SDI").
    QVariant appVariable(const QString& name) const;
    void setAppVariable(const QString& name, const QVariant& value);

    // Called after the profile or an application-wide variable changed, so a
    // real run can keep them between program starts.
    void setStateObserver(std::function<void()> observer) { stateObserver_ = std::move(observer); }
    // Called at every action a tool takes (each journalled call), so the host
    // program can show what changed.
    void setActionObserver(std::function<void()> observer) { actionObserver_ = std::move(observer); }

    // Once the host has been shut down every call through any of its objects
    // fails; nothing more is journalled.
    bool isRunning() const { return running_; }
    void stop() { running_ = false; }
    // The first guard of every member: raises RpcServerUnavailable once the
    // host is gone.
    void checkRunning() const;
    // Guard of a read: the host runs, then a failure injected for the member.
    void enter(const QString& member)
    {
        checkRunning();
        failures_.check(member);
    }
    // Guard of an action: the host runs, the action is journalled, then an
    // injected failure.
    void act(const QString& member, const QString& detail = QString());

private:
    files::FileSystem& files_;
    Journal journal_;
    Failures failures_;
    DeviceCatalogue devices_;
    std::vector<PlotJob> plotJobs_;
    User* user_ = nullptr;
    PlotSink* plotSink_ = nullptr;
    const ThumbnailMaker* thumbnailMaker_ = nullptr;
    CommandSink* commandSink_ = nullptr;
    ProfileState profile_;
    QHash<QString, QVariant> appVariables_;
    std::function<void()> stateObserver_;
    std::function<void()> actionObserver_;
    bool running_ = true;
};

}  // namespace standin
