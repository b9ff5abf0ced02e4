#pragma once
// A document of the stand-in host: one window on one drawing. In
// single-document mode Open and New replace the drawing inside the same
// document, so a tool holding the document follows; otherwise they open new
// documents. Saves go to files through the program's file system.

#include "platform/cad/Document.h"

#include <memory>

namespace standin {

class Drawing;
class EntityBase;
class Host;
class HostContext;
class Plot;
class SelectionSetCollection;
class Utility;

class Document : public cad::Document, public std::enable_shared_from_this<Document> {
public:
    // `fullName` is the drawing's file (empty when never saved); `name` the
    // document's name ("Drawing1.dwg" for a new one).
    static std::shared_ptr<Document> create(std::weak_ptr<Host> host, std::shared_ptr<HostContext> context,
                                            std::shared_ptr<Drawing> drawing, const QString& fullName,
                                            const QString& name, bool readOnly);

    // The document, unless it has gone or been closed (then ExceptionOccurred).
    static std::shared_ptr<Document> lockOpen(const std::weak_ptr<Document>& document);

    std::shared_ptr<cad::Document> open(const QString& path) override;
    void save() override;
    void saveAs(const QString& path) override;
    std::shared_ptr<cad::Document> newDrawing(const QString& templatePath) override;
    void activate() override;
    void purgeAll() override;
    void regen(int which) override;
    QVariant getVariable(const QString& name) const override;
    void setVariable(const QString& name, const QVariant& value) override;
    void sendCommand(const QString& text) override;
    std::shared_ptr<cad::Layer> activeLayer() const override;
    void setActiveLayer(const std::shared_ptr<cad::Layer>& layer) override;
    int activeSpace() const override;
    void setActiveSpace(int space) override;
    bool mSpace() const override;
    void setMSpace(bool on) override;
    std::shared_ptr<cad::PViewport> activePViewport() const override;
    void setActivePViewport(const std::shared_ptr<cad::PViewport>& viewport) override;
    std::shared_ptr<cad::Layout> activeLayout() const override;
    std::shared_ptr<cad::Plot> plot() const override;
    std::shared_ptr<cad::Utility> utility() const override;
    std::shared_ptr<cad::SelectionSets> selectionSets() const override;
    std::shared_ptr<cad::Application> application() const override;
    std::shared_ptr<cad::Block> modelSpace() const override;
    std::shared_ptr<cad::Block> paperSpace() const override;
    std::shared_ptr<cad::Blocks> blocks() const override;
    std::shared_ptr<cad::Layers> layers() const override;
    std::shared_ptr<cad::Linetypes> linetypes() const override;
    std::shared_ptr<cad::DimStyles> dimStyles() const override;
    std::shared_ptr<cad::TextStyles> textStyles() const override;
    QString fullName() const override;
    QString path() const override;
    QString name() const override;
    bool readOnly() const override;

    // The stand-in's own access, without guards or journal.
    const std::shared_ptr<Drawing>& drawing() const { return drawing_; }
    const QString& fullNameRaw() const { return fullName_; }
    const QString& nameRaw() const { return name_; }
    bool isClosed() const { return closed_; }
    // The objects of the space the user works in: model space on the model
    // tab or inside a viewport, paper space otherwise.
    std::vector<std::shared_ptr<cad::Entity>> workingEntities() const;
    // Closes the document's drawing, discarding unsaved changes.
    void close();

    // Only through create().
    Document(std::weak_ptr<Host> host, std::shared_ptr<HostContext> context);

private:
    void enter(const QString& member) const;
    void act(const QString& member, const QString& detail = QString()) const;
    std::shared_ptr<Host> host() const;
    void replaceDrawing(std::shared_ptr<Drawing> drawing, const QString& fullName, const QString& name,
                        bool readOnly);
    void writeTo(const QString& path);
    void setTileMode(bool model);

    std::weak_ptr<Host> host_;
    std::shared_ptr<HostContext> context_;
    std::shared_ptr<Drawing> drawing_;
    QString fullName_;
    QString name_;
    bool readOnly_ = false;
    bool closed_ = false;
    std::shared_ptr<Utility> utility_;
    std::shared_ptr<Plot> plot_;
    std::shared_ptr<SelectionSetCollection> selectionSets_;
};

}  // namespace standin
