#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/runtime/EndProgram.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A form whose handlers a test sets.
class TestForm : public forms::Form {
public:
    using forms::Form::Form;
    std::function<void()> onLoad;
    std::function<void(bool&)> onUnload;
    std::function<void()> onResize;

protected:
    void Form_Load() override { if (onLoad) onLoad(); }
    void Form_Unload(bool& cancel) override { if (onUnload) onUnload(cancel); }
    void Form_Resize() override { if (onResize) onResize(); }
};

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
    TestForm form(dispatcher);
    form.setCaption(QStringLiteral("Install..."));
    form.setTwipsSize(5550, 1890);
    EXPECT_EQ(form.caption(), QStringLiteral("Install..."));
    EXPECT_EQ(form.size(), QSize(370, 126));

    bool refuse = true;
    int unloads = 0;
    form.onUnload = [&](bool& cancel) {
        ++unloads;
        cancel = refuse;
    };
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
    TestForm form(dispatcher);
    form.onUnload = [](bool& cancel) {
        cancel = true;
        runtime::raise(runtime::err::PermissionDenied);
    };
    form.show();
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Permission denied"));
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(FormTest, EndHidesTheFormWithoutRunningItsUnloadHandler)
{
    TestForm form(dispatcher);
    int unloads = 0;
    form.onUnload = [&](bool&) { ++unloads; };
    form.show();
    dispatcher.run([] { runtime::endProgram(); });
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(unloads, 0);
}

TEST_F(FormTest, AShowThroughTheWidgetBaseLoadsToo)
{
    TestForm form(dispatcher);
    int loads = 0;
    form.onLoad = [&] { ++loads; };
    static_cast<QWidget&>(form).show();
    EXPECT_TRUE(form.isLoaded());
    form.load();
    EXPECT_EQ(loads, 1);
}

TEST_F(FormTest, TheLastLoadedFormEndsTheProgramWhereTheProgramAsksForIt)
{
    TestForm main(dispatcher);
    TestForm settings(dispatcher);
    TestForm neverShown(dispatcher);
    main.show();
    settings.show();
    EXPECT_TRUE(main.unload());
    EXPECT_FALSE(dispatcher.ended()) << "without the setting no unload ends the program";

    main.show();
    dispatcher.setEndsWithLastForm(true);
    EXPECT_TRUE(settings.unload());
    EXPECT_FALSE(dispatcher.ended());
    main.hide();  // hidden is still loaded
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_TRUE(main.unload());
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(dispatcher.exitCode(), 0);
}

TEST_F(FormTest, MinimiseReachesTheResizeHandler)
{
    TestForm form(dispatcher);
    bool minimised = false;
    form.onResize = [&] { minimised = minimised || form.isMinimized(); };
    form.show();
    form.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(minimised);
}

TEST_F(FormTest, LoadsOnceAcrossHideAndShow)
{
    TestForm form(dispatcher);
    int loads = 0;
    form.onLoad = [&] {
        ++loads;
        // Showing from inside the load must not load again.
        form.show();
    };
    EXPECT_FALSE(form.isLoaded());
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    form.hide();
    EXPECT_TRUE(form.isLoaded());
    form.show();
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(loads, 1);
}

TEST_F(FormTest, LoadsAgainOnTheFirstShowAfterAnUnload)
{
    TestForm form(dispatcher);
    int loads = 0;
    form.onLoad = [&] { ++loads; };
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(loads, 1);
    form.show();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(loads, 2);
    // A hidden form that is closed unloads too.
    form.hide();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, CancelledUnloadKeepsTheFormLoaded)
{
    TestForm form(dispatcher);
    int loads = 0;
    form.onLoad = [&] { ++loads; };
    bool refuse = true;
    form.onUnload = [&](bool& cancel) { cancel = refuse; };
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isLoaded());
    form.hide();
    form.show();
    EXPECT_EQ(loads, 1);
    refuse = false;
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, EndHidesTheFormButLeavesItLoaded)
{
    TestForm form(dispatcher);
    form.show();
    dispatcher.endProgram();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
}

TEST_F(FormTest, WhatTheLoadThrowsReachesTheShowingHandler)
{
    TestForm form(dispatcher);
    form.onLoad = [] { runtime::endProgram(); };
    bool shownAfterLoad = false;
    dispatcher.run([&] {
        form.show();
        shownAfterLoad = true;
    });
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(shownAfterLoad);
    EXPECT_FALSE(form.isVisible());
}
