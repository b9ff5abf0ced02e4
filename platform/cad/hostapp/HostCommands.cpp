#include "platform/cad/hostapp/HostCommands.h"

#include "platform/cad/Block.h"
#include "platform/cad/hostapp/CommandLine.h"
#include "platform/cad/hostapp/CommandText.h"
#include "platform/cad/hostapp/InteractiveUser.h"
#include "platform/cad/hostapp/LispExpression.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/Host.h"
#include "platform/forms/Dispatcher.h"
#include "platform/runtime/Error.h"

#include <QTimer>

namespace hostapp {

namespace {
const QString LineCommand = QStringLiteral("LINE");
const QString FirstPointPrompt = QStringLiteral("Specify first point:");
const QString NextPointPrompt = QStringLiteral("Specify next point:");
}  // namespace

HostCommands::HostCommands(standin::Host& host, CommandLine& commandLine, InteractiveUser& user,
                           files::FileSystem& files, forms::Dispatcher& dispatcher, QString workingFolder,
                           QObject* parent)
    : QObject(parent), host_(host), commandLine_(commandLine), user_(user), files_(files), dispatcher_(dispatcher),
      workingFolder_(std::move(workingFolder))
{
}

HostCommands::~HostCommands() = default;

void HostCommands::sendCommand(standin::Document& document, const QString& text)
{
    const CommandText::Split split = CommandText::split(text);
    queue(split.entries, true, document.shared_from_this());
    // What no Enter ended stays typed, as the person would have left it.
    if (!split.rest.isEmpty())
        commandLine_.setInput(commandLine_.input() + split.rest);
    answerWaitingPrompt();
    drain();
}

void HostCommands::typed(const QString& line)
{
    if (user_.waiting()) {
        user_.answer(line);
        return;
    }
    queue(CommandText::split(line + u'\r').entries, false, host_.active());
    drain();
}

void HostCommands::escape()
{
    if (user_.waiting()) {
        user_.escape();
        return;
    }
    queue_.clear();
    commandLine_.setInput(QString());
    commandLine_.echo(CommandLine::CommandPrompt + u' ' + standin::CancelPrompt);
}

std::optional<QString> HostCommands::takeQueued()
{
    if (queue_.isEmpty())
        return std::nullopt;
    return queue_.takeFirst().text;
}

void HostCommands::queue(const QStringList& entries, bool fromTool, const std::shared_ptr<standin::Document>& document)
{
    for (const QString& entry : entries)
        queue_.append(Entry{entry, fromTool, document});
}

void HostCommands::answerWaitingPrompt()
{
    while (user_.waiting() && !queue_.isEmpty()) {
        const Entry entry = queue_.takeFirst();
        commandLine_.echo((commandLine_.prompt() + u' ' + entry.text).trimmed());
        user_.answer(entry.text);
    }
}

void HostCommands::drain()
{
    // One loop runs the queue; entries that arrive while an entry runs (a
    // tool's handler sending more) join it.
    if (draining_)
        return;
    draining_ = true;
    while (!running_ && !user_.waiting() && !queue_.isEmpty())
        run(queue_.takeFirst());
    draining_ = false;
}

void HostCommands::run(const Entry& entry)
{
    if (entry.fromTool)
        commandLine_.echo((CommandLine::CommandPrompt + u' ' + entry.text).trimmed());
    const QString text = entry.text.trimmed();
    if (text.isEmpty())
        return;
    if (text.startsWith(u'(')) {
        commandLine_.echo(LispExpression::evaluate(text, files_, lispFolders()));
        return;
    }
    const QString name = standin::Host::commandNameOf(text);
    // The tools hear the command before it does anything.
    if (entry.fromTool)
        host_.fireBeginCommand(name);
    else
        host_.startCommand(name);
    if (name != LineCommand) {
        commandLine_.echo(QStringLiteral("Unknown command \"%1\".  Press F1 for help.").arg(name));
        return;
    }
    // The command's prompts run from the event loop, so a tool's SendCommand
    // returns once the command has started.
    running_ = true;
    const std::weak_ptr<standin::Document> document = entry.document;
    QTimer::singleShot(0, this, [this, document] {
        dispatcher_.run([&] { runLine(document); });
        running_ = false;
        drain();
    });
}

void HostCommands::runLine(const std::weak_ptr<standin::Document>& weakDocument)
{
    try {
        const std::shared_ptr<standin::Document> document = weakDocument.lock();
        if (!document || document->isClosed())
            return;
        standin::PointAnswer answer = user_.askPoint(FirstPointPrompt, std::nullopt);
        if (answer.kind != standin::PointAnswer::Kind::Point)
            return;
        cad::Point from = answer.point;
        for (;;) {
            answer = user_.askPoint(NextPointPrompt, from);
            if (answer.kind != standin::PointAnswer::Kind::Point || document->isClosed())
                return;
            const standin::Drawing& drawing = *document->drawing();
            const bool model = drawing.tileMode() || drawing.inFloatingViewport();
            (model ? document->modelSpace() : document->paperSpace())->addLine(from, answer.point);
            from = answer.point;
        }
    } catch (const runtime::Error& error) {
        commandLine_.echo(QStringLiteral("; error: %1").arg(error.description()));
    }
}

QStringList HostCommands::lispFolders() const
{
    QStringList folders{workingFolder_};
    folders += host_.context().profile().supportPath.split(u';', Qt::SkipEmptyParts);
    return folders;
}

}  // namespace hostapp
