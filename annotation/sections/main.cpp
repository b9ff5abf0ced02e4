// Sections, the section-cut marker: builds its environment, shows its window
// and runs.
#include "annotation/sections/FrmMain.h"
#include "annotation/sections/MdlMain.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Sections"));
    sections::MdlMain module(system.env());
    sections::FrmMain form(module);
    return system.run([&] { form.show(); });
}
