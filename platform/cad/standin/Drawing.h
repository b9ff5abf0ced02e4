#pragma once
// One drawing of the stand-in host (what a drawing file holds): the symbol
// tables, the blocks with model and paper space, the two layouts, the
// drawing's system variables, the current layer and viewport. A document
// shows one drawing at a time; the drawing outlives nothing that refers to it
// (objects refer to it weakly).

#include "platform/cad/standin/BlockTable.h"
#include "platform/cad/standin/DimStyle.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/Layer.h"
#include "platform/cad/standin/LinetypeTable.h"
#include "platform/cad/standin/SymbolTable.h"
#include "platform/cad/standin/TextStyle.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace standin {

class Block;
class EntityBase;
class HostContext;
class Layout;
class Viewport;

using LayerTable = NamedTable<cad::Layer, Layer>;
using TextStyleTable = NamedTable<cad::TextStyle, TextStyle>;
using DimStyleTable = NamedTable<cad::DimStyle, DimStyle>;

class Drawing : public std::enable_shared_from_this<Drawing> {
public:
    static const QString ModelSpaceName;
    static const QString PaperSpaceName;
    static const QString StandardStyle;
    static const QString ContinuousLinetype;

    // A new drawing's contents: layer "0", linetype "Continuous", the text
    // and dimension styles "Standard", model space, paper space with its
    // overall viewport, the layouts "Model" and "Layout1", default variables.
    static std::shared_ptr<Drawing> createDefault(std::shared_ptr<HostContext> context);
    // Only the tables, the two spaces and the layouts, all empty: the file
    // reader fills it.
    static std::shared_ptr<Drawing> createEmpty(std::shared_ptr<HostContext> context);

    explicit Drawing(std::shared_ptr<HostContext> context);

    HostContext& context() const { return *context_; }
    const std::shared_ptr<HostContext>& sharedContext() const { return context_; }

    LayerTable& layerTable() const { return *layers_; }
    LinetypeTable& linetypeTable() const { return *linetypes_; }
    TextStyleTable& textStyleTable() const { return *textStyles_; }
    DimStyleTable& dimStyleTable() const { return *dimStyles_; }
    BlockTable& blockTable() const { return *blocks_; }
    std::shared_ptr<LayerTable> layers() const { return layers_; }
    std::shared_ptr<LinetypeTable> linetypes() const { return linetypes_; }
    std::shared_ptr<TextStyleTable> textStyles() const { return textStyles_; }
    std::shared_ptr<DimStyleTable> dimStyles() const { return dimStyles_; }
    std::shared_ptr<BlockTable> blocks() const { return blocks_; }

    std::shared_ptr<Block> modelSpace() const;
    std::shared_ptr<Block> paperSpace() const;
    std::shared_ptr<Layout> modelLayout() const { return modelLayout_; }
    std::shared_ptr<Layout> paperLayout() const { return paperLayout_; }

    // Variables saved with the drawing, by canonical name ("DIMSCALE").
    QVariant variable(const QString& name) const { return variables_.value(name); }
    void setVariable(const QString& name, const QVariant& value) { variables_.insert(name, value); }
    bool tileMode() const { return variable(QStringLiteral("TILEMODE")).toInt() == 1; }

    const QString& currentLayer() const { return currentLayer_; }
    void setCurrentLayer(const QString& name) { currentLayer_ = name; }

    // The viewport model space is worked in (or was last); null when paper
    // space has only its overall viewport.
    std::shared_ptr<Viewport> activeViewport() const { return activeViewport_.lock(); }
    void setActiveViewport(const std::shared_ptr<Viewport>& viewport) { activeViewport_ = viewport; }
    bool inFloatingViewport() const { return inFloatingViewport_; }
    void setInFloatingViewport(bool on) { inFloatingViewport_ = on; }
    // The viewports of paper space, the overall one first.
    std::vector<std::shared_ptr<Viewport>> viewports() const;

    QString newHandle();
    // Keeps new handles above one read from a file.
    void noteHandle(const QString& handle);

    bool isModified() const { return modified_; }
    void touch() { modified_ = true; }
    void setModified(bool modified) { modified_ = modified; }

    // A closed drawing refuses every call on its objects.
    bool isClosed() const { return closed_; }
    void close() { closed_ = true; }

    // Every entity of every block, attribute references excluded.
    std::vector<std::shared_ptr<EntityBase>> allEntities() const;

private:
    void createTables();

    std::shared_ptr<HostContext> context_;
    std::shared_ptr<LayerTable> layers_;
    std::shared_ptr<LinetypeTable> linetypes_;
    std::shared_ptr<TextStyleTable> textStyles_;
    std::shared_ptr<DimStyleTable> dimStyles_;
    std::shared_ptr<BlockTable> blocks_;
    std::shared_ptr<Layout> modelLayout_;
    std::shared_ptr<Layout> paperLayout_;
    QHash<QString, QVariant> variables_;
    QString currentLayer_ = QStringLiteral("0");
    std::weak_ptr<Viewport> activeViewport_;
    bool inFloatingViewport_ = false;
    quint64 nextHandle_ = 0x20;
    bool modified_ = false;
    bool closed_ = false;
};

}  // namespace standin
