// Tarvo, the tray launcher: builds the program's environment and its forms,
// loads the launcher's unseen window (which puts the icon in the notification
// area) and runs until the last of its windows unloads.
#include "launchers/tarvo/FrmMain.h"
#include "launchers/tarvo/FrmPreferences.h"
#include "launchers/tarvo/Session.h"
#include "launchers/tarvo/frmAbout.h"
#include "platform/env/SystemEnvironment.h"

int main(int argc, char** argv)
{
    env::SystemEnvironment system(argc, argv, tarvo::Session::Application, 1, 0, 0);
    tarvo::Session session(system.env());
    tarvo::FrmPreferences preferences(session);
    tarvo::frmAbout about(session);
    tarvo::FrmMain form(session, preferences, about);
    return system.run([&] { form.load(); });
}
