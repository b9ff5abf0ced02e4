#pragma once
// An open drawing of the host as a tool holds it.

#include "platform/cad/Document.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class DocumentProxy : public cad::Document, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    std::shared_ptr<cad::Document> open(const QString& path) override { return call(&cad::Document::open, path); }
    void save() override { return call(&cad::Document::save); }
    void saveAs(const QString& path) override { return call(&cad::Document::saveAs, path); }
    std::shared_ptr<cad::Document> newDrawing(const QString& templatePath) override { return call(&cad::Document::newDrawing, templatePath); }
    void activate() override { return call(&cad::Document::activate); }
    void purgeAll() override { return call(&cad::Document::purgeAll); }
    void regen(int which) override { return call(&cad::Document::regen, which); }
    QVariant getVariable(const QString& name) const override { return call(&cad::Document::getVariable, name); }
    void setVariable(const QString& name, const QVariant& value) override { return call(&cad::Document::setVariable, name, value); }
    void sendCommand(const QString& text) override { return call(&cad::Document::sendCommand, text); }
    std::shared_ptr<cad::Layer> activeLayer() const override { return call(&cad::Document::activeLayer); }
    void setActiveLayer(const std::shared_ptr<cad::Layer>& layer) override { return call(&cad::Document::setActiveLayer, layer); }
    int activeSpace() const override { return call(&cad::Document::activeSpace); }
    void setActiveSpace(int space) override { return call(&cad::Document::setActiveSpace, space); }
    bool mSpace() const override { return call(&cad::Document::mSpace); }
    void setMSpace(bool on) override { return call(&cad::Document::setMSpace, on); }
    std::shared_ptr<cad::PViewport> activePViewport() const override { return call(&cad::Document::activePViewport); }
    void setActivePViewport(const std::shared_ptr<cad::PViewport>& viewport) override { return call(&cad::Document::setActivePViewport, viewport); }
    std::shared_ptr<cad::Layout> activeLayout() const override { return call(&cad::Document::activeLayout); }
    std::shared_ptr<cad::Plot> plot() const override { return call(&cad::Document::plot); }
    std::shared_ptr<cad::Utility> utility() const override { return call(&cad::Document::utility); }
    std::shared_ptr<cad::SelectionSets> selectionSets() const override { return call(&cad::Document::selectionSets); }
    std::shared_ptr<cad::Application> application() const override { return call(&cad::Document::application); }
    std::shared_ptr<cad::Block> modelSpace() const override { return call(&cad::Document::modelSpace); }
    std::shared_ptr<cad::Block> paperSpace() const override { return call(&cad::Document::paperSpace); }
    std::shared_ptr<cad::Blocks> blocks() const override { return call(&cad::Document::blocks); }
    std::shared_ptr<cad::Layers> layers() const override { return call(&cad::Document::layers); }
    std::shared_ptr<cad::Linetypes> linetypes() const override { return call(&cad::Document::linetypes); }
    std::shared_ptr<cad::DimStyles> dimStyles() const override { return call(&cad::Document::dimStyles); }
    std::shared_ptr<cad::TextStyles> textStyles() const override { return call(&cad::Document::textStyles); }
    QString fullName() const override { return call(&cad::Document::fullName); }
    QString path() const override { return call(&cad::Document::path); }
    QString name() const override { return call(&cad::Document::name); }
    bool readOnly() const override { return call(&cad::Document::readOnly); }
};

}  // namespace remote
