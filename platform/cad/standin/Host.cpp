#include "platform/cad/standin/Host.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/DocumentCollection.h"
#include "platform/cad/standin/Drawing.h"
#include "platform/cad/standin/DrawingFile.h"
#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/Preferences.h"
#include "platform/cad/standin/Validate.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Error.h"

#include <algorithm>

namespace standin {

Host::Host(std::shared_ptr<HostContext> context) : context_(std::move(context)) {}

std::shared_ptr<Host> Host::create(files::FileSystem& files, User* user)
{
    auto context = std::make_shared<HostContext>(files);
    context->setUser(user);
    auto host = std::make_shared<Host>(context);
    host->documentCollection_ = std::make_shared<DocumentCollection>(host, context);
    host->preferences_ = std::make_shared<Preferences>(context);
    return host;
}

std::shared_ptr<cad::Document> Host::activeDocument() const
{
    context_->enter(QStringLiteral("Application.ActiveDocument"));
    std::shared_ptr<Document> document = active();
    // Assumption: with no drawing open the host has no active document and
    // the property fails.
    if (!document)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no drawing is open"));
    return document;
}

std::shared_ptr<cad::Documents> Host::documents() const
{
    context_->enter(QStringLiteral("Application.Documents"));
    return documentCollection_;
}

std::shared_ptr<cad::Preferences> Host::preferences() const
{
    context_->enter(QStringLiteral("Application.Preferences"));
    return preferences_;
}

void Host::zoomExtents() { context_->act(QStringLiteral("Application.ZoomExtents")); }

void Host::zoomScaled(double scale, int scaleType)
{
    context_->act(QStringLiteral("Application.ZoomScaled"),
                  JournalText::number(scale) + QLatin1Char(' ') + QString::number(scaleType));
    Validate::positive(scale, QStringLiteral("the zoom scale"));
    Validate::range(scaleType, cad::zoomScale::Absolute, cad::zoomScale::RelativeToPaperSpace,
                    QStringLiteral("the zoom scale type"));
    const std::shared_ptr<Document> document = active();
    if (!document)
        cad::raise(cad::err::ExceptionOccurred, QStringLiteral("no drawing is open"));
    if (scaleType != cad::zoomScale::RelativeToPaperSpace)
        return;
    const std::shared_ptr<Drawing>& drawing = document->drawing();
    // Assumption: a zoom relative to paper space needs a layout; inside a
    // viewport it sets that viewport's scale, on the sheet it only zooms.
    if (drawing->tileMode())
        cad::raise(cad::err::InvalidInput, QStringLiteral("the model tab has no paper space"));
    if (drawing->inFloatingViewport() && drawing->activeViewport()) {
        drawing->activeViewport()->setRawScale(scale);
        drawing->touch();
    }
}

int Host::subscribeBeginCommand(BeginCommandHandler handler)
{
    context_->checkRunning();
    const int id = nextSubscription_++;
    subscribers_.insert(id, std::move(handler));
    return id;
}

void Host::unsubscribeBeginCommand(int subscription)
{
    context_->checkRunning();
    subscribers_.remove(subscription);
}

void Host::shutDown()
{
    if (!context_->isRunning())
        return;
    context_->journal().record(QStringLiteral("User.ShutDown"));
    context_->stop();
    // Its events end with it.
    subscribers_.clear();
}

void Host::startCommand(const QString& commandName)
{
    context_->journal().record(QStringLiteral("User.StartCommand ") + commandName);
    fireBeginCommand(commandName);
}

QString Host::commandNameOf(const QString& word)
{
    QString command = word.trimmed();
    // Assumption: the command-start event carries the command's name in upper
    // case, without the "_", "." and "'" prefixes of the command line.
    while (!command.isEmpty() && QStringLiteral("_.'").contains(command.front()))
        command.remove(0, 1);
    return command.toUpper();
}

void Host::fireBeginCommand(const QString& commandName)
{
    // A copy, so a handler may unsubscribe while the event is delivered.
    const QList<BeginCommandHandler> handlers = subscribers_.values();
    for (const BeginCommandHandler& handler : handlers) {
        try {
            handler(commandName);
        } catch (const runtime::Error&) {
            // Assumption: the host ignores an error inside an event handler;
            // the command goes on.
        }
    }
}

std::shared_ptr<Drawing> Host::drawingFromTemplate(const QString& templatePath) const
{
    if (templatePath.isEmpty())
        return Drawing::createDefault(context_);
    std::shared_ptr<Drawing> drawing = DrawingFile::load(context_, templatePath);
    drawing->setModified(false);
    return drawing;
}

QString Host::nextDrawingName() { return QStringLiteral("Drawing%1.dwg").arg(++drawingCounter_); }

std::shared_ptr<Document> Host::addDocument(const QString& templatePath)
{
    std::shared_ptr<Drawing> drawing = drawingFromTemplate(templatePath);
    auto document =
        Document::create(weak_from_this(), context_, std::move(drawing), QString(), nextDrawingName(), false);
    documents_.push_back(document);
    active_ = document;
    return document;
}

std::shared_ptr<Document> Host::openDocument(const QString& path)
{
    std::shared_ptr<Drawing> drawing = DrawingFile::load(context_, path);
    const QString found = DrawingFile::locate(context_->files(), path);
    auto document = Document::create(weak_from_this(), context_, std::move(drawing), found,
                                     files::WinPath::fileName(found), context_->files().isReadOnly(found));
    documents_.push_back(document);
    active_ = document;
    return document;
}

void Host::closeDocument(const std::shared_ptr<Document>& document)
{
    context_->journal().record(QStringLiteral("User.Close ") + document->nameRaw());
    documents_.erase(std::remove(documents_.begin(), documents_.end(), document), documents_.end());
    document->close();
    if (active_.lock() == document || active_.expired())
        active_ = documents_.empty() ? std::weak_ptr<Document>() : std::weak_ptr<Document>(documents_.back());
}

bool Host::singleDocument() const { return context_->appVariable(QStringLiteral("SDI")).toInt() == 1; }

}  // namespace standin
