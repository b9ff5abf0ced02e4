// Stavrin, the new drawing from a template: builds the program's environment
// and state, loads the template window and runs until it ends the program.
#include "platform/env/SystemEnvironment.h"
#include "project/stavrin/FrmMain.h"
#include "project/stavrin/MdlMain.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Stavrin"));
    stavrin::MdlMain main(system.env());
    stavrin::FrmMain form(main);
    return system.run([&] { form.show(); });
}
