#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/forms/UnloadGuard.h"
#include "platform/runtime/Error.h"

#include <QMainWindow>
#include <gtest/gtest.h>

namespace {

class FormTest : public ::testing::Test {
protected:
    FormTest()
    {
        ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    }

    forms::ScriptedInteraction ui{QStringLiteral("Pollent")};
    forms::Dispatcher dispatcher{ui};
};

}  // namespace

TEST_F(FormTest, UnloadHandlerMayRefuseTheClose)
{
    forms::Form form(dispatcher);
    form.setCaption(QStringLiteral("Install..."));
    form.setTwipsSize(5550, 1890);
    EXPECT_EQ(form.caption(), QStringLiteral("Install..."));
    EXPECT_EQ(form.size(), QSize(370, 126));

    bool refuse = true;
    int unloads = 0;
    form.setUnloadHandler([&](bool& cancel) {
        ++unloads;
        cancel = refuse;
    });
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    refuse = false;
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(unloads, 2);
}

TEST_F(FormTest, ErrorInTheUnloadHandlerIsReportedAndTheFormCloses)
{
    forms::Form form(dispatcher);
    form.setUnloadHandler([](bool& cancel) {
        cancel = true;
        runtime::raise(runtime::err::PermissionDenied);
    });
    form.show();
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Permission denied"));
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(FormTest, EndHidesTheFormWithoutRunningItsUnloadHandler)
{
    forms::Form form(dispatcher);
    int unloads = 0;
    form.setUnloadHandler([&](bool&) { ++unloads; });
    form.show();
    dispatcher.run([] { throw runtime::ProgramEnd{}; });
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(unloads, 0);
}

TEST_F(FormTest, GuardWorksOnAMainWindow)
{
    QMainWindow window;
    new forms::UnloadGuard(&window, dispatcher, [](bool& cancel) { cancel = true; });
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(FormTest, LoadsOnceAcrossHideAndShow)
{
    forms::Form form(dispatcher);
    int loads = 0;
    form.setLoadHandler([&] {
        ++loads;
        // Showing from inside the load must not load again.
        form.showLoaded();
    });
    EXPECT_FALSE(form.isLoaded());
    form.showLoaded();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    form.hide();
    EXPECT_TRUE(form.isLoaded());
    form.showLoaded();
    form.showLoaded();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(loads, 1);
}

TEST_F(FormTest, LoadsAgainOnTheFirstShowAfterAnUnload)
{
    forms::Form form(dispatcher);
    int loads = 0;
    form.setLoadHandler([&] { ++loads; });
    form.showLoaded();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(loads, 1);
    form.showLoaded();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(loads, 2);
    // A hidden form that is closed unloads too.
    form.hide();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, CancelledUnloadKeepsTheFormLoaded)
{
    forms::Form form(dispatcher);
    int loads = 0;
    form.setLoadHandler([&] { ++loads; });
    bool refuse = true;
    form.setUnloadHandler([&](bool& cancel) { cancel = refuse; });
    form.showLoaded();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isLoaded());
    form.hide();
    form.showLoaded();
    EXPECT_EQ(loads, 1);
    refuse = false;
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, EndHidesTheFormButLeavesItLoaded)
{
    forms::Form form(dispatcher);
    form.showLoaded();
    dispatcher.endProgram();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
}

TEST_F(FormTest, WhatTheLoadThrowsReachesTheShowingHandler)
{
    forms::Form form(dispatcher);
    form.setLoadHandler([] { throw runtime::ProgramEnd{}; });
    bool shownAfterLoad = false;
    dispatcher.run([&] {
        form.showLoaded();
        shownAfterLoad = true;
    });
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(shownAfterLoad);
    EXPECT_FALSE(form.isVisible());
}
