#pragma once
// The host's command processor: runs what the person enters on the command
// line and what tools send to it (SendCommand) the same way. A command name
// starts that command, and every tool subscribed to the command-start event
// hears it before anything is drawn; LINE draws lines between the points the
// person gives until Enter or Esc; any other name is an unknown command. An
// AutoLISP expression is evaluated as far as the host knows AutoLISP
// (LispExpression). Entries that arrive while a prompt waits answer it;
// entries that arrive while a command runs wait for its prompts or its end.

#include "platform/cad/standin/CommandSink.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

namespace files {
class FileSystem;
}
namespace forms {
class Dispatcher;
}
namespace standin {
class Document;
class Host;
}

namespace hostapp {

class CommandLine;
class InteractiveUser;

class HostCommands : public QObject, public standin::CommandSink {
    Q_OBJECT

public:
    // `workingFolder`: where (load "name") looks first.
    HostCommands(standin::Host& host, CommandLine& commandLine, InteractiveUser& user, files::FileSystem& files,
                 forms::Dispatcher& dispatcher, QString workingFolder, QObject* parent = nullptr);
    ~HostCommands() override;

    void sendCommand(standin::Document& document, const QString& text) override;

    // The person entered a line, or pressed Esc.
    void typed(const QString& line);
    void escape();

    // The next entry waiting, for a prompt that starts.
    std::optional<QString> takeQueued();
    // A command's prompts are under way.
    bool busy() const { return running_; }

private:
    struct Entry {
        QString text;
        bool fromTool = false;
        std::weak_ptr<standin::Document> document;
    };

    void queue(const QStringList& entries, bool fromTool, const std::shared_ptr<standin::Document>& document);
    void answerWaitingPrompt();
    void drain();
    void run(const Entry& entry);
    void runLine(const std::weak_ptr<standin::Document>& document);
    QStringList lispFolders() const;

    standin::Host& host_;
    CommandLine& commandLine_;
    InteractiveUser& user_;
    files::FileSystem& files_;
    forms::Dispatcher& dispatcher_;
    QString workingFolder_;
    QList<Entry> queue_;
    bool running_ = false;
    bool draining_ = false;
};

}  // namespace hostapp
