// Pemmit, the text height tool: builds its environment, shows its window and
// runs.
#include "annotation/pemmit/FrmMain.h"
#include "annotation/pemmit/Session.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, QStringLiteral("Pemmit"));
    pemmit::Session session(system.env());
    pemmit::FrmMain form(session);
    return system.run([&] { form.show(); });
}
