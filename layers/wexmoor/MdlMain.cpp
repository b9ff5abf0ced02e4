#include "layers/wexmoor/MdlMain.h"

#include "layers/wexmoor/CommandCategories.h"
#include "layers/wexmoor/Variants.h"
#include "platform/cad/Application.h"
#include "platform/runtime/PassOver.h"
#include "shared/AcadProj.h"

namespace wexmoor {

const QString MdlMain::Application = QStringLiteral("Cottrel");
const QString MdlMain::Section = QStringLiteral("Settings");

MdlMain::MdlMain(env::Environment& env) : drawMode(CommandCategories::StartMode), env_(env), reporter_(env) {}

bool MdlMain::AcadProj()
{
    suite::AttachHooks hooks;
    hooks.report = [this](const QString& location, const runtime::Error& error) {
        return reporter_.report(location, error);
    };
    return suite::acadProj(env_, conn_, AttachVariant, hooks);
}

void MdlMain::MakeLayerCurrent(const QString& name)
{
    runtime::passOver([&] {
        // The drawing the command starts in, not the one of the last attach:
        // the user may have switched drawings since.
        const std::shared_ptr<cad::Document> drawing = conn_.app().activeDocument();
        drawing->setActiveLayer(drawing->layers()->add(name));
    });
}

}  // namespace wexmoor
