#pragma once
// The stand-in CAD host: our model of the real program, complete enough that
// every step of every tool runs against it. It is the application object the
// tools attach to; tests also reach its journal, injected failures, plot jobs
// and device catalogue through it, set the user who answers prompts, and start
// commands as the person would.

#include "platform/cad/Application.h"
#include "platform/cad/standin/HostContext.h"

#include <QMap>
#include <memory>
#include <vector>

namespace files {
class FileSystem;
}

namespace standin {

class Document;
class DocumentCollection;
class Drawing;
class Preferences;
class User;

class Host : public cad::Application, public std::enable_shared_from_this<Host> {
public:
    // A host with no drawing open; `user` answers prompts (it may be set
    // later) and must outlive its use.
    static std::shared_ptr<Host> create(files::FileSystem& files, User* user = nullptr);

    std::shared_ptr<cad::Document> activeDocument() const override;
    std::shared_ptr<cad::Documents> documents() const override;
    std::shared_ptr<cad::Preferences> preferences() const override;
    void zoomExtents() override;
    void zoomScaled(double scale, int scaleType) override;
    int subscribeBeginCommand(BeginCommandHandler handler) override;
    void unsubscribeBeginCommand(int subscription) override;

    HostContext& context() { return *context_; }
    Journal& journal() { return context_->journal(); }
    Failures& failures() { return context_->failures(); }
    DeviceCatalogue& devices() { return context_->devices(); }
    const std::vector<PlotJob>& plotJobs() const { return context_->plotJobs(); }
    void setUser(User* user) { context_->setUser(user); }

    // The person starts a command: BeginCommand goes to every subscriber.
    void startCommand(const QString& commandName);
    // The command a word of the command line names, as the command-start
    // event carries it ("_.line" is "LINE").
    static QString commandNameOf(const QString& word);

    // The program ends. Its documents and drawings stay for the stand-in's
    // own access, but every call a tool makes through any object of the host
    // it still holds (the application, a document, a table, an entity, ...)
    // raises RpcServerUnavailable from then on.
    void shutDown();
    bool isRunning() const { return context_->isRunning(); }

    // A new document with the default drawing or one from a template, made
    // active; no mode rules apply (tests and start-up use it).
    std::shared_ptr<Document> addDocument(const QString& templatePath = QString());
    // Opens the drawing file as a new, active document.
    std::shared_ptr<Document> openDocument(const QString& path);
    // Closes the document, discarding unsaved changes.
    void closeDocument(const std::shared_ptr<Document>& document);
    const std::vector<std::shared_ptr<Document>>& documentList() const { return documents_; }
    std::shared_ptr<Document> active() const { return active_.lock(); }
    void makeActive(const std::shared_ptr<Document>& document) { active_ = document; }

    bool singleDocument() const;
    // "Drawing1.dwg", "Drawing2.dwg", ...
    QString nextDrawingName();
    // The default drawing for an empty path, else a copy of the template.
    std::shared_ptr<Drawing> drawingFromTemplate(const QString& templatePath) const;
    void fireBeginCommand(const QString& commandName);

    // Only through create().
    explicit Host(std::shared_ptr<HostContext> context);

private:
    std::shared_ptr<HostContext> context_;
    std::vector<std::shared_ptr<Document>> documents_;
    std::weak_ptr<Document> active_;
    std::shared_ptr<DocumentCollection> documentCollection_;
    std::shared_ptr<Preferences> preferences_;
    QMap<int, BeginCommandHandler> subscribers_;
    int nextSubscription_ = 1;
    int drawingCounter_ = 0;
};

}  // namespace standin
