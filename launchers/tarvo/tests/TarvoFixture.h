#pragma once
// The launcher over the test environment: the program in C:\Program, its
// forms built as main() builds them, a recording shell for every start, a
// scripted pop-up menu, and the icon's mouse messages delivered as the
// notification area would deliver them.

#include "launchers/tarvo/FrmMain.h"
#include "launchers/tarvo/FrmPreferences.h"
#include "launchers/tarvo/Session.h"
#include "launchers/tarvo/frmAbout.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/TrayIcon.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <ostream>

// Readable failures for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tarvo::test {

using Kind = shell::ShellCall::Kind;

class TarvoTest : public ::testing::Test {
protected:
    static constexpr int Critical = forms::msgbox::Critical;

    TarvoTest() = default;

    // The launcher as main() starts it.
    void start() { t.dispatcher().run([&] { form.load(); }); }

    // No palette starts: most tests do not want its start in the record.
    void startWithoutSideBar()
    {
        store(Session::SideBar.name, QStringLiteral("False"));
        start();
        t.shell().clearCalls();
    }

    forms::TrayIcon& icon() { return testing_env::control<forms::TrayIcon>(form, QStringLiteral("TrayIcon")); }
    void mouse(int message) { icon().deliver(message); }

    // A right click on the icon and the menu item chosen, answering OK to
    // the boxes the item is expected to show (each containing its text).
    void choose(const QString& caption, const QStringList& boxes = {})
    {
        t.ui().expectPopup(caption);
        for (const QString& box : boxes)
            t.ui().expectMsgBox(forms::msgbox::Ok, box);
        mouse(forms::tray::RightDown);
    }

    QAction& item(const QString& name) { return testing_env::control<QAction>(form, name); }

    void store(const QString& key, const QString& value) { t.settings().save("Tarvo Helper", "Settings", key, value); }
    QString stored(const QString& key) { return t.settings().get("Tarvo Helper", "Settings", key, "<none>"); }

    QList<shell::ShellCall> starts() { return t.shell().callsOf(Kind::StartProgram); }

    void expectBox(const QString& text, int style, const QString& caption = QStringLiteral("Tarvo Helper"))
    {
        const auto& record = t.ui().last();
        EXPECT_EQ(record.text, text);
        EXPECT_EQ(record.style, style);
        EXPECT_EQ(record.caption, caption);
    }

    testing_env::TestEnvironment t{QStringLiteral("Tarvo Helper")};
    Session session{t.env()};
    FrmPreferences preferences{session};
    frmAbout about{session};
    FrmMain form{session, preferences, about};
};

}  // namespace tarvo::test
