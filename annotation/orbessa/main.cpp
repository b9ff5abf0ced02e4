// Orbessa, the text alignment tool: builds its environment, shows its window
// and runs.
#include "annotation/orbessa/FrmText.h"
#include "annotation/orbessa/Session.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Orbessa"));
    orbessa::Session session(system.env());
    orbessa::FrmText form(session);
    return system.run([&] { form.show(); });
}
