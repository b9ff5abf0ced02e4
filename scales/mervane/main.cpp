// The scale window: builds the program's environment, loads the window and runs.
#include "platform/env/SystemEnvironment.h"
#include "scales/mervane/FrmMain.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Mervane"));
    mervane::FrmMain form(system.env());
    return system.run([&] {
        form.show();
    });
}
