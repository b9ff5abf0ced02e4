// Pollent, the drawing batch processor: builds the program's environment and
// state, loads the main window and runs until a window's unload ends the
// program.
#include "batch/pollent/BatchForm1.h"
#include "batch/pollent/Session.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("POLLEN~1"));
    pollent::Session session(system.env());
    pollent::BatchForm1 form(session);
    return system.run([&] { form.show(); });
}
