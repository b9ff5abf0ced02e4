#include "scales/mervane/NextViewport.h"

#include "platform/cad/Document.h"

#include <algorithm>

namespace mervane {

std::vector<std::shared_ptr<cad::PViewport>> NextViewport::floatingViewports(cad::Document& document)
{
    std::vector<std::shared_ptr<cad::PViewport>> floating;
    bool overallPassed = false;
    for (const std::shared_ptr<cad::Entity>& entity : document.paperSpace()->items()) {
        auto viewport = std::dynamic_pointer_cast<cad::PViewport>(entity);
        if (!viewport)
            continue;
        if (!overallPassed) {
            overallPassed = true;
            continue;
        }
        floating.push_back(std::move(viewport));
    }
    return floating;
}

std::shared_ptr<cad::PViewport> NextViewport::after(cad::Document& document)
{
    const std::vector<std::shared_ptr<cad::PViewport>> floating = floatingViewports(document);
    if (floating.empty())
        return nullptr;
    const std::shared_ptr<cad::PViewport> current = document.activePViewport();
    const auto at = std::find(floating.begin(), floating.end(), current);
    if (at == floating.end() || std::next(at) == floating.end())
        return floating.front();
    return *std::next(at);
}

}  // namespace mervane
