// Fly, the fly-out palette: builds the program's environment, loads the strip
// at the right screen edge and runs until "Exit" or the last window's unload.
#include "launchers/fly/FrmFly.h"
#include "launchers/fly/Session.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, fly::Session::Application);
    fly::Session session(system.env());
    fly::FrmFly form(session);
    return system.run([&] { form.show(); });
}
