#include "scales/mervane/ViewportScale.h"

#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/cad/PViewport.h"
#include "platform/runtime/Format.h"
#include "scales/mervane/NextViewport.h"

namespace mervane {

void ViewportScale::enterLayout(cad::Document& document)
{
    if (document.activeSpace() != cad::space::Paper)
        document.setActiveSpace(cad::space::Paper);
    document.application()->zoomExtents();
    document.setMSpace(true);
}

void ViewportScale::apply(cad::Document& document, double zoomFactor)
{
    document.application()->zoomScaled(zoomFactor, cad::zoomScale::RelativeToPaperSpace);
}

QString ViewportScale::currentScale(cad::Document& document, std::optional<ScaleFamily> family)
{
    const double scale = document.activePViewport()->customScale();
    if (family == ScaleFamily::Architectural)
        return runtime::formatGeneral(12 * scale) + QStringLiteral(" = 1'-0");
    return runtime::formatGeneral(scale);
}

bool ViewportScale::moveToNext(cad::Document& document)
{
    const std::shared_ptr<cad::PViewport> next = NextViewport::after(document);
    if (!next)
        return false;
    next->display(true);
    document.setMSpace(true);
    document.setActivePViewport(next);
    document.regen(cad::regen::AllViewports);
    return true;
}

}  // namespace mervane
