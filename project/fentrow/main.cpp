// Fentrow, the project drawing browser: builds the program's environment and
// state and, when no other copy runs, loads the browser and runs until its
// unload ends the program.
#include "platform/env/SystemEnvironment.h"
#include "platform/runtime/EndProgram.h"
#include "project/fentrow/FrmMain.h"
#include "project/fentrow/MdlAcad.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Fentrow"));
    fentrow::MdlAcad acad(system.env());
    fentrow::FrmMain form(acad);
    return system.run([&] {
        if (!acad.firstCopy())
            runtime::endProgram();
        form.show();
    });
}
