// The unit calculator: builds the program's environment, loads the window and runs.
#include "platform/env/SystemEnvironment.h"
#include "scales/conversion/FrmMain.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Conversion"));
    conversion::FrmMain form(system.env());
    return system.run([&] {
        form.show();
    });
}
