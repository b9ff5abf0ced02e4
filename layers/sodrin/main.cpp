// Sodrin, the standard layers: builds its environment, loads the layer menu's
// window (which pops the menu up) and runs.
#include "layers/sodrin/FrmLayer.h"
#include "layers/sodrin/FrmSettings.h"
#include "layers/sodrin/ModuleLayer.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Sodrin"));
    sodrin::ModuleLayer module(system.env());
    sodrin::FrmSettings settings(module);
    sodrin::FrmLayer form(module, settings);
    return system.run([&] { form.show(); });
}
