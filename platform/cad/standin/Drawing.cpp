#include "platform/cad/standin/Drawing.h"

#include "platform/cad/standin/Block.h"
#include "platform/cad/standin/EntityBase.h"
#include "platform/cad/standin/HostContext.h"
#include "platform/cad/standin/Layout.h"
#include "platform/cad/standin/SystemVariables.h"
#include "platform/cad/standin/Viewport.h"

namespace standin {

const QString Drawing::ModelSpaceName = QStringLiteral("*Model_Space");
const QString Drawing::PaperSpaceName = QStringLiteral("*Paper_Space");
const QString Drawing::StandardStyle = QStringLiteral("Standard");
const QString Drawing::ContinuousLinetype = QStringLiteral("Continuous");

Drawing::Drawing(std::shared_ptr<HostContext> context) : context_(std::move(context)) {}

std::shared_ptr<Drawing> Drawing::createEmpty(std::shared_ptr<HostContext> context)
{
    auto drawing = std::make_shared<Drawing>(std::move(context));
    drawing->createTables();
    return drawing;
}

std::shared_ptr<Drawing> Drawing::createDefault(std::shared_ptr<HostContext> context)
{
    auto drawing = createEmpty(std::move(context));
    auto continuous = std::make_shared<Linetype>(drawing, ContinuousLinetype);
    continuous->setRaw(QStringLiteral("Solid line"), QString());
    drawing->linetypes_->insert(continuous);
    drawing->layers_->insert(std::make_shared<Layer>(drawing, QStringLiteral("0")));
    drawing->textStyles_->insert(std::make_shared<TextStyle>(drawing, StandardStyle));
    drawing->dimStyles_->insert(std::make_shared<DimStyle>(drawing, StandardStyle));
    // The sheet of a layout: 11 x 8.5 units around its centre.
    drawing->paperSpace()->append(std::make_shared<Viewport>(cad::Point{5.5, 4.25, 0.0}, 11.0, 8.5, true));
    drawing->setModified(false);
    return drawing;
}

void Drawing::createTables()
{
    const std::weak_ptr<Drawing> self = weak_from_this();
    layers_ = std::make_shared<LayerTable>(self, QStringLiteral("Layers"));
    linetypes_ = std::make_shared<LinetypeTable>(self);
    textStyles_ = std::make_shared<TextStyleTable>(self, QStringLiteral("TextStyles"));
    dimStyles_ = std::make_shared<DimStyleTable>(self, QStringLiteral("DimStyles"));
    blocks_ = std::make_shared<BlockTable>(self);
    blocks_->create(ModelSpaceName)->setLayout(true);
    blocks_->create(PaperSpaceName)->setLayout(true);
    modelLayout_ = std::make_shared<Layout>(self, QStringLiteral("Model"));
    paperLayout_ = std::make_shared<Layout>(self, QStringLiteral("Layout1"));
    for (const SystemVariable& variable : SystemVariables::all()) {
        if (variable.scope == VariableScope::Drawing)
            variables_.insert(variable.name, variable.initial);
    }
}

std::shared_ptr<Block> Drawing::modelSpace() const { return blocks_->find(ModelSpaceName); }

std::shared_ptr<Block> Drawing::paperSpace() const { return blocks_->find(PaperSpaceName); }

std::vector<std::shared_ptr<Viewport>> Drawing::viewports() const
{
    std::vector<std::shared_ptr<Viewport>> found;
    for (const auto& entity : paperSpace()->entities()) {
        if (auto viewport = std::dynamic_pointer_cast<Viewport>(entity))
            found.push_back(viewport);
    }
    return found;
}

QString Drawing::newHandle() { return QString::number(nextHandle_++, 16).toUpper(); }

void Drawing::noteHandle(const QString& handle)
{
    bool ok = false;
    const quint64 value = handle.toULongLong(&ok, 16);
    if (ok && value >= nextHandle_)
        nextHandle_ = value + 1;
}

std::vector<std::shared_ptr<EntityBase>> Drawing::allEntities() const
{
    std::vector<std::shared_ptr<EntityBase>> all;
    for (const auto& block : blocks_->records())
        all.insert(all.end(), block->entities().begin(), block->entities().end());
    return all;
}

}  // namespace standin
