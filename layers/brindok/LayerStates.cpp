#include "layers/brindok/LayerStates.h"

#include "platform/cad/Document.h"
#include "platform/runtime/PassOver.h"

#include <algorithm>
#include <functional>

namespace brindok {

namespace {

using LayerPtr = std::shared_ptr<cad::Layer>;

std::vector<LayerPtr> layersOf(cad::Document& doc)
{
    std::vector<LayerPtr> layers;
    runtime::passOver([&] { layers = doc.layers()->items(); });
    return layers;
}

void regen(cad::Document& doc)
{
    runtime::passOver([&] { doc.regen(cad::regen::AllViewports); });
}

// Each layer of exactly that name, and each other layer.
void forListed(cad::Document& doc, const QString& name, const std::function<void(const LayerPtr&)>& listed,
               const std::function<void(const LayerPtr&)>& other = {})
{
    const std::vector<LayerPtr> layers = layersOf(doc);
    std::vector<LayerPtr> matching;
    for (const LayerPtr& layer : layers) {
        runtime::passOver([&] {
            if (layer->name() == name)
                matching.push_back(layer);
        });
    }
    // A layer deleted or renamed since the list was filled: there is nothing
    // to act on, and the others are left as they are.
    if (!matching.empty()) {
        for (const LayerPtr& layer : layers) {
            const bool isListed = std::find(matching.begin(), matching.end(), layer) != matching.end();
            if (isListed)
                listed(layer);
            else if (other)
                other(layer);
        }
    }
    regen(doc);
}

}  // namespace

void LayerStates::freezeAll(cad::Document& doc, bool frozen)
{
    for (const LayerPtr& layer : layersOf(doc))
        runtime::passOver([&] { layer->setFreeze(frozen); });
    regen(doc);
}

void LayerStates::turnAll(cad::Document& doc, bool on)
{
    for (const LayerPtr& layer : layersOf(doc))
        runtime::passOver([&] { layer->setLayerOn(on); });
    regen(doc);
}

void LayerStates::makeCurrent(cad::Document& doc, const QString& name)
{
    forListed(doc, name, [&](const LayerPtr& layer) { runtime::passOver([&] { doc.setActiveLayer(layer); }); });
}

void LayerStates::turnOff(cad::Document& doc, const QString& name)
{
    forListed(doc, name, [&](const LayerPtr& layer) {
        runtime::passOver([&] { doc.setActiveLayer(layer); });
        runtime::passOver([&] { layer->setLayerOn(false); });
    });
}

void LayerStates::isolate(cad::Document& doc, const QString& name)
{
    forListed(
        doc, name,
        [&](const LayerPtr& layer) {
            runtime::passOver([&] { doc.setActiveLayer(layer); });
            runtime::passOver([&] { layer->setLayerOn(true); });
        },
        [&](const LayerPtr& layer) { runtime::passOver([&] { layer->setLayerOn(false); }); });
}

}  // namespace brindok
