// Ploven, the AutoLISP loader: builds the program's environment, reads the
// folder and shows the main window, which attaches to the host and lists the
// folder's AutoLISP files.
#include "launchers/ploven/ModuleAlisp.h"
#include "launchers/ploven/Qel_Ploven.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("PLOVEN~1"));
    ploven::ModuleAlisp module(system.env());
    ploven::Qel_Ploven form(module);
    return system.run([&] { module.Main(form); });
}
