// Brindok, the layer palette: builds its environment, loads the palette and
// runs.
#include "layers/brindok/FrmMain.h"
#include "layers/brindok/MdlMain.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Brindok"));
    brindok::MdlMain module(system.env());
    brindok::FrmMain form(module);
    return system.run([&] { form.show(); });
}
