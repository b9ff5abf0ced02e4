// Pollent, the drawing batch processor: builds the program's environment,
// loads the main window and runs until a window's unload ends the program.
#include "batch/pollent/BatchForm1.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("POLLEN~1"));
    pollent::BatchForm1 form(system.env());
    return system.run([&] {
        form.show();
    });
}
