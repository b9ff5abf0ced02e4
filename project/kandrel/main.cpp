// Kandrel, the project paths tool: builds the program's environment and
// state, loads the project window and runs until its unload ends the program.
#include "platform/env/SystemEnvironment.h"
#include "project/kandrel/FrmMain.h"
#include "project/kandrel/Session.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Kandrel"));
    kandrel::Session session(system.env());
    kandrel::FrmMain form(session);
    return system.run([&] { form.show(); });
}
