#pragma once
// An open drawing in the host: file operations, system variables, the
// current layer, space and viewport, the tables and spaces, prompts, selection
// sets, layout and plot.

#include "platform/cad/Block.h"
#include "platform/cad/Blocks.h"
#include "platform/cad/Layout.h"
#include "platform/cad/Linetypes.h"
#include "platform/cad/PViewport.h"
#include "platform/cad/Plot.h"
#include "platform/cad/SelectionSets.h"
#include "platform/cad/Tables.h"
#include "platform/cad/Utility.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace cad {

class Application;

// ActiveSpace values.
namespace space {
inline constexpr int Paper = 0;
inline constexpr int Model = 1;
}  // namespace space

// Regen values.
namespace regen {
inline constexpr int ActiveViewport = 0;
inline constexpr int AllViewports = 1;
}  // namespace regen

class Document {
public:
    virtual ~Document() = default;

    // In single-document mode the drawing replaces the one in this document
    // and this document is returned; otherwise it opens as a new document.
    virtual std::shared_ptr<Document> open(const QString& path) = 0;
    virtual void save() = 0;
    virtual void saveAs(const QString& path) = 0;
    // The host's New: a new drawing from a template (empty: the default
    // drawing), in single-document mode only.
    virtual std::shared_ptr<Document> newDrawing(const QString& templatePath) = 0;
    virtual void activate() = 0;
    virtual void purgeAll() = 0;
    virtual void regen(int which) = 0;

    // System variables by name, matched without regard to case.
    virtual QVariant getVariable(const QString& name) const = 0;
    virtual void setVariable(const QString& name, const QVariant& value) = 0;
    virtual void sendCommand(const QString& text) = 0;

    virtual std::shared_ptr<Layer> activeLayer() const = 0;
    virtual void setActiveLayer(const std::shared_ptr<Layer>& layer) = 0;
    virtual int activeSpace() const = 0;
    virtual void setActiveSpace(int space) = 0;
    // True while work goes on in model space through a paper-space viewport.
    virtual bool mSpace() const = 0;
    virtual void setMSpace(bool on) = 0;
    virtual std::shared_ptr<PViewport> activePViewport() const = 0;
    virtual void setActivePViewport(const std::shared_ptr<PViewport>& viewport) = 0;
    virtual std::shared_ptr<Layout> activeLayout() const = 0;

    virtual std::shared_ptr<Plot> plot() const = 0;
    virtual std::shared_ptr<Utility> utility() const = 0;
    virtual std::shared_ptr<SelectionSets> selectionSets() const = 0;
    virtual std::shared_ptr<Application> application() const = 0;

    virtual std::shared_ptr<Block> modelSpace() const = 0;
    virtual std::shared_ptr<Block> paperSpace() const = 0;
    virtual std::shared_ptr<Blocks> blocks() const = 0;
    virtual std::shared_ptr<Layers> layers() const = 0;
    virtual std::shared_ptr<Linetypes> linetypes() const = 0;
    virtual std::shared_ptr<DimStyles> dimStyles() const = 0;
    virtual std::shared_ptr<TextStyles> textStyles() const = 0;

    // The drawing file's full path (empty before the first save), its folder
    // (no trailing "\") and its file name.
    virtual QString fullName() const = 0;
    virtual QString path() const = 0;
    virtual QString name() const = 0;
    virtual bool readOnly() const = 0;
};

}  // namespace cad
