#pragma once
// Wexmoor over the test environment: a stand-in host with one drawing of a few
// layers, the settings store, scripted boxes and pop-up menus whose surprises
// fail the test. The re-attach timer is ticked by hand.

#include "layers/wexmoor/FrmMain.h"
#include "layers/wexmoor/MdlMain.h"
#include "platform/cad/standin/Document.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/forms/TrayIcon.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"

#include <QComboBox>
#include <gtest/gtest.h>
#include <memory>

namespace wexmoor::test {

inline const QStringList Keys = {"Solid", "Solid2", "Solid3", "Center", "Phantom", "Dash",
                                 "Hatch", "Mark",   "Leader", "Dim",    "Text",    "Other"};

class WexmoorTest : public ::testing::Test {
protected:
    WexmoorTest() : host(t.startHost())
    {
        drawing = host->addDocument();
        for (const char* name : {"Walls", "Hidden", "Dims", "Notes"})
            drawing->layers()->add(QString::fromLatin1(name));
        host->journal().clear();
    }

    void store(int combo, const QString& value) { settings.save("Cottrel", "Settings", Keys[combo], value); }
    QString stored(int combo) { return settings.get("Cottrel", "Settings", Keys[combo], QStringLiteral("<none>")); }

    FrmMain& start()
    {
        module = std::make_unique<MdlMain>(env);
        form = std::make_unique<FrmMain>(*module);
        dispatcher.run([&] { form->show(); });
        return *form;
    }

    QComboBox& combo(int index) { return testing_env::control<QComboBox>(*form, QStringLiteral("CmbLayer"), index); }
    forms::Timer& timer() { return testing_env::control<forms::Timer>(*form, QStringLiteral("Timer1")); }
    forms::TrayIcon& icon() { return testing_env::control<forms::TrayIcon>(*form, QStringLiteral("NotifyIcon")); }
    void tick() { timer().fire(); }
    void type(int index, const QString& text) { combo(index).setCurrentText(text); }

    // The icon's right-click menu, answered with the item's caption.
    void chooseFromIcon(const QString& caption)
    {
        ui.expectPopup(caption);
        icon().deliver(forms::tray::RightDown);
    }

    QString active() { return drawing->activeLayer()->name(); }

    testing_env::TestEnvironment t{QStringLiteral("Cottrel")};
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> drawing;
    settings::Store& settings = t.settings();
    forms::ScriptedInteraction& ui = t.ui();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    std::unique_ptr<MdlMain> module;
    std::unique_ptr<FrmMain> form;
};

}  // namespace wexmoor::test
