#include "platform/forms/ManualDesktop.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"

#include <QGraphicsOpacityEffect>
#include <QListWidget>
#include <QWidget>
#include <gtest/gtest.h>

using testing_env::errorOf;

TEST(WindowAlpha, TickAndClearLeavesTheWindowOpaqueButLayered)
{
    QWidget window;
    EXPECT_FALSE(forms::isLayered(&window));
    EXPECT_EQ(forms::windowAlpha(&window), 255);

    forms::setWindowAlpha(&window, 200);
    EXPECT_TRUE(forms::isLayered(&window));
    EXPECT_EQ(forms::windowAlpha(&window), 200);
    EXPECT_NEAR(window.windowOpacity(), 200 / 255.0, 0.01);

    forms::setWindowAlpha(&window, 255);
    EXPECT_EQ(forms::windowAlpha(&window), 255);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_TRUE(forms::isLayered(&window));
}

TEST(WindowAlpha, ControlInsideAWindowGetsAnOpacityEffect)
{
    QWidget window;
    auto* list = new QListWidget(&window);
    forms::setWindowAlpha(list, 100);
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(list->graphicsEffect());
    ASSERT_NE(effect, nullptr);
    EXPECT_NEAR(effect->opacity(), 100 / 255.0, 1e-9);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);  // the window itself is untouched

    forms::setWindowAlpha(list, 255);
    EXPECT_EQ(list->graphicsEffect(), effect);
    EXPECT_DOUBLE_EQ(effect->opacity(), 1.0);
    EXPECT_TRUE(forms::isLayered(list));
    EXPECT_FALSE(forms::isLayered(&window));
}

TEST(WindowAlpha, BadArgumentsRaiseAsTheOriginalCallWould)
{
    QWidget window;
    EXPECT_EQ(errorOf([&] { forms::setWindowAlpha(&window, 256); }), runtime::err::Overflow);
    EXPECT_EQ(errorOf([&] { forms::setWindowAlpha(&window, -1); }), runtime::err::Overflow);
    EXPECT_EQ(errorOf([] { forms::setWindowAlpha(nullptr, 10); }), runtime::err::ObjectVariableNotSet);
    EXPECT_FALSE(forms::isLayered(&window));
    forms::setWindowAlpha(&window, 0);
    EXPECT_EQ(forms::windowAlpha(&window), 0);
}

TEST(TopMost, FloatsWithoutShowingUnlessAsked)
{
    QWidget window;
    forms::setTopMost(&window, 3);
    EXPECT_TRUE(forms::isTopMost(&window));
    EXPECT_FALSE(window.isVisible());

    QWidget runWindow;
    forms::setTopMost(&runWindow, 83);
    EXPECT_TRUE(forms::isTopMost(&runWindow));
    EXPECT_TRUE(runWindow.isVisible());
    EXPECT_TRUE(runWindow.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(TopMost, RepeatedCallsKeepAShownWindowInPlace)
{
    QWidget palette;
    palette.setGeometry(40, 50, 120, 300);
    palette.show();
    forms::setTopMost(&palette);
    const QRect placed = palette.geometry();
    EXPECT_TRUE(palette.isVisible());
    for (int tick = 0; tick < 3; ++tick)
        forms::setTopMost(&palette);
    EXPECT_TRUE(palette.isVisible());
    EXPECT_EQ(palette.geometry(), placed);
    // A control's call applies to its window.
    auto* child = new QWidget(&palette);
    EXPECT_TRUE(forms::isTopMost(child));
}

TEST(Twips, FifteenToAPixelRoundedToTheNearest)
{
    static_assert(forms::twipsToPixels(1215) == 81);
    EXPECT_EQ(forms::twipsToPixels(0), 0);
    EXPECT_EQ(forms::twipsToPixels(7), 0);
    EXPECT_EQ(forms::twipsToPixels(8), 1);
    EXPECT_EQ(forms::twipsToPixels(-8), -1);
    EXPECT_EQ(forms::twipsToPixels(3135), 209);
    EXPECT_EQ(forms::twipsRect(120, 840, 3135, 2595), QRect(8, 56, 209, 173));

    QWidget frame;
    auto* list = new QWidget(&frame);
    forms::placeTwips(list, 3300, 810, 330, 330);
    EXPECT_EQ(list->geometry(), QRect(220, 54, 22, 22));
}

TEST(WindowPlacementTest, AWindowComesUpInTheMiddleOfTheScreen)
{
    forms::ManualDesktop desktop;
    desktop.setScreenSize({1000, 800});
    QWidget window;
    window.resize(200, 100);
    forms::centreOnScreen(&window, desktop);
    EXPECT_EQ(window.geometry().center(), QRect(0, 0, 1000, 800).center());
    forms::showInFront(&window);
    EXPECT_TRUE(window.isVisible());
}
