#pragma once
// A scale window over the test environment's stand-in host: one drawing open
// in model space, and a scripted interaction whose unexpected boxes fail the
// test.

#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/forms/Timer.h"
#include "platform/testing/Controls.h"
#include "platform/testing/TestEnvironment.h"
#include "scales/mervane/FrmMain.h"
#include "scales/mervane/Session.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace mervane::test {

class MervaneTest : public ::testing::Test {
protected:
    MervaneTest() : host(t.startHost()) { document = host->addDocument(); }

    // A floating viewport on the layout's sheet.
    std::shared_ptr<standin::Viewport> addViewport(double x)
    {
        return std::dynamic_pointer_cast<standin::Viewport>(
            document->paperSpace()->addPViewport(cad::Point{x, 4, 0}, 3, 3));
    }

    // The window, loaded as the program loads it.
    FrmMain& start()
    {
        form = std::make_unique<FrmMain>(session);
        dispatcher.run([&] { form->load(); });
        timer().setEnabled(false);  // tests tick it by hand
        return *form;
    }

    // The window's controls, by their names.
    QTreeWidget& list() const { return testing_env::control<QTreeWidget>(*form, QStringLiteral("LVscales")); }
    QRadioButton& option(int index) const
    {
        return testing_env::control<QRadioButton>(*form, QStringLiteral("Option1"), index);
    }
    QPushButton& button(const QString& name) const { return testing_env::control<QPushButton>(*form, name); }
    forms::Timer& timer() const { return testing_env::control<forms::Timer>(*form, QStringLiteral("Timer1")); }

    void clickRow(int position)
    {
        QTreeWidgetItem* item = list().topLevelItem(position - 1);
        ASSERT_NE(item, nullptr);
        list().setCurrentItem(item);
        emit list().itemClicked(item, 0);
    }

    std::shared_ptr<standin::Viewport> activeViewport() const
    {
        return std::dynamic_pointer_cast<standin::Viewport>(document->activePViewport());
    }

    void expectAppError(const QString& location)
    {
        ASSERT_FALSE(ui.records().isEmpty());
        EXPECT_EQ(ui.last().caption, QStringLiteral("App Error"));
        EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
        EXPECT_TRUE(ui.last().text.startsWith(QStringLiteral("Location:\t\t") + location + QStringLiteral("\r\n")))
            << ui.last().text.toStdString();
    }

    // First, so that it outlives everything that uses it.
    testing_env::TestEnvironment t{QStringLiteral("Mervane")};
    files::FileSystem& files = t.files();
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> document;
    cad::HostRegistry& hosts = t.hosts();
    runtime::Program& program = t.program();
    forms::ScriptedInteraction& ui = t.ui();
    forms::Dispatcher& dispatcher = t.dispatcher();
    env::Environment& env = t.env();
    Session session{env};
    std::unique_ptr<FrmMain> form;
};

}  // namespace mervane::test
