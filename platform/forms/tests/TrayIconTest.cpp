#include "platform/forms/Dispatcher.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/forms/TrayIcon.h"
#include "platform/runtime/Error.h"

#include <gtest/gtest.h>

using forms::TrayIcon;
namespace tray = forms::tray;

TEST(TrayIcon, KeepsItsStateWithoutASystemTray)
{
    forms::ScriptedInteraction ui;
    forms::Dispatcher dispatcher(ui);
    TrayIcon icon(dispatcher);
    EXPECT_FALSE(icon.isAdded());
    icon.add(QIcon(), QStringLiteral("Right Click For Menu."));
    EXPECT_TRUE(icon.isAdded());
    EXPECT_EQ(icon.tip(), QStringLiteral("Right Click For Menu."));
    icon.modifyTip(QStringLiteral("Busy"));
    EXPECT_EQ(icon.tip(), QStringLiteral("Busy"));
    icon.remove();
    EXPECT_FALSE(icon.isAdded());
    icon.remove();  // removing twice is harmless
    EXPECT_FALSE(icon.isAdded());
}

TEST(TrayIcon, DeliversMessagesThroughTheDispatcher)
{
    forms::ScriptedInteraction ui(QStringLiteral("Tarvo Helper"));
    ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    forms::Dispatcher dispatcher(ui);
    TrayIcon icon(dispatcher);
    QList<int> seen;
    icon.setHandler([&](int message) {
        seen.append(message);
        if (message == tray::MiddleDoubleClick)
            runtime::raise(runtime::err::FileNotFound);
    });
    icon.add(QIcon(), QStringLiteral("Right Click For Menu."));
    icon.deliver(tray::MouseMove);
    icon.deliver(tray::RightDown);
    EXPECT_EQ(seen, (QList<int>{512, 516}));

    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("File not found"));
    icon.deliver(tray::MiddleDoubleClick);
    EXPECT_TRUE(dispatcher.ended());
    icon.deliver(tray::LeftDoubleClick);
    EXPECT_EQ(seen, (QList<int>{512, 516, 521}));
}

TEST(TrayIcon, QtActivationsMapToTheOriginalMessages)
{
    using R = QSystemTrayIcon;
    EXPECT_EQ(TrayIcon::messagesFor(R::Trigger, false), (QList<int>{513, 514}));
    EXPECT_EQ(TrayIcon::messagesFor(R::DoubleClick, false), (QList<int>{515, 514}));
    EXPECT_EQ(TrayIcon::messagesFor(R::Context, false), (QList<int>{516, 517}));
    EXPECT_EQ(TrayIcon::messagesFor(R::MiddleClick, false), (QList<int>{519, 520}));
    EXPECT_EQ(TrayIcon::messagesFor(R::MiddleClick, true), (QList<int>{521, 520}));
    EXPECT_TRUE(TrayIcon::messagesFor(R::Unknown, false).isEmpty());
}
