// The scale window: builds the program's environment and its session, loads
// the window and runs until the window's unload ends the program.
#include "platform/env/SystemEnvironment.h"
#include "scales/mervane/FrmMain.h"
#include "scales/mervane/Session.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Mervane"));
    mervane::Session session(system.env());
    mervane::FrmMain form(session);
    return system.run([&] { form.show(); });
}
