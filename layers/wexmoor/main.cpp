// Wexmoor, the layer per command: builds its environment, loads the window
// and runs.
#include "layers/wexmoor/FrmMain.h"
#include "layers/wexmoor/MdlMain.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Cottrel"));
    wexmoor::MdlMain module(system.env());
    wexmoor::FrmMain form(module);
    return system.run([&] { form.show(); });
}
