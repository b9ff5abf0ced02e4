// The installer: builds its environment, shows its window and runs.
#include "installer/unbalo/ModUnbalo.h"
#include "installer/unbalo/frmUnbalo.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Unbaloor"));
    unbalo::ModUnbalo module(system.env());
    unbalo::frmUnbalo form(module);
    return system.run([&] { form.show(); });
}
