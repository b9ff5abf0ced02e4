// Lunvik, the dimension property editor: builds its environment, shows its
// window and runs.
#include "annotation/lunvik/FrmMain.h"
#include "annotation/lunvik/MdlMain.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Lunvik"));
    lunvik::MdlMain module(system.env());
    lunvik::FrmMain form(module);
    return system.run([&] { form.show(); });
}
