// The batch plotter: builds its environment, loads the main window and runs.
#include "batch/drossel/FrmAplot.h"
#include "batch/drossel/MuduleAplot.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("DROSSEL"));
    drossel::MuduleAplot module(system.env());
    drossel::FrmAplot form(module);
    return system.run([&] {
        form.showAtStart();
    });
}
