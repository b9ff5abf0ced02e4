#pragma once
// A scale window over a stand-in host of its own: drive C in a temporary
// folder, one drawing open in model space, and a scripted interaction whose
// unexpected boxes fail the test.

#include "platform/cad/HostRegistry.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/cad/standin/Viewport.h"
#include "platform/env/Environment.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/Program.h"
#include "scales/mervane/FrmMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace mervane::test {

class MervaneTest : public ::testing::Test {
protected:
    MervaneTest() : files(driveC(temp)), host(standin::Host::create(files))
    {
        program.title = QStringLiteral("Mervane");
        ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
        hosts.registerRunning(cad::HostClassName, host);
        document = host->addDocument();
    }

    ~MervaneTest() override { EXPECT_EQ(ui.pending(), 0) << "expected boxes were not shown"; }

    static files::DriveTable driveC(const QTemporaryDir& dir)
    {
        QDir(dir.path()).mkdir(QStringLiteral("c"));
        files::DriveTable table;
        table.map(QStringLiteral("C"), dir.path() + QStringLiteral("/c"));
        return table;
    }

    // A floating viewport on the layout's sheet.
    std::shared_ptr<standin::Viewport> addViewport(double x)
    {
        return std::dynamic_pointer_cast<standin::Viewport>(
            document->paperSpace()->addPViewport(cad::Point{x, 4, 0}, 3, 3));
    }

    // The window, loaded as the program loads it.
    FrmMain& start()
    {
        form = std::make_unique<FrmMain>(env);
        form->Timer1->setEnabled(false);  // tests tick it by hand
        dispatcher.run([&] { form->Form_Load(); });
        return *form;
    }

    void clickRow(int position)
    {
        QTreeWidgetItem* item = form->LVscales->topLevelItem(position - 1);
        ASSERT_NE(item, nullptr);
        form->LVscales->setCurrentItem(item);
        emit form->LVscales->itemClicked(item, 0);
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

    QTemporaryDir temp;
    files::FileSystem files;
    std::shared_ptr<standin::Host> host;
    std::shared_ptr<standin::Document> document;
    cad::HostRegistry hosts;
    runtime::Program program;
    forms::ScriptedInteraction ui{QStringLiteral("Mervane")};
    forms::Dispatcher dispatcher{ui};
    env::Environment env{.program = &program, .ui = &ui, .dispatcher = &dispatcher, .hosts = &hosts};
    std::unique_ptr<FrmMain> form;
};

}  // namespace mervane::test
