#include "HostFixture.h"

#include "platform/forms/FileDialogRequest.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/WindowAlpha.h"
#include "shared/WindowRoutines.h"

#include <QListWidget>
#include <QWidget>

using namespace suite;
using suite::test::HostFixture;

using WindowRoutinesTest = HostFixture;

TEST_F(WindowRoutinesTest, OpenFileDialogAsksForAProgramInTheProgramsFolder)
{
    ui.expectOpenFile(QStringLiteral("C:\\Tools\\Fly Out.exe"));
    EXPECT_EQ(openFileDialog(env, QStringLiteral("Open File")), QStringLiteral("C:\\Tools\\Fly Out.exe"));
    const forms::FileDialogRequest& asked = ui.last().request;
    EXPECT_EQ(asked.title, QStringLiteral("Open File"));
    ASSERT_EQ(asked.filters.size(), 1);
    EXPECT_EQ(asked.filters[0].label, QStringLiteral(" (*.exe)"));
    EXPECT_EQ(asked.filters[0].pattern, QStringLiteral("*.exe"));
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.initialFolder, QStringLiteral("C:\\Tools"));
    EXPECT_EQ(asked.flags, 2054);

    ui.expectOpenFile(QString());
    EXPECT_EQ(openFileDialog(env, QStringLiteral("Open File")), QStringLiteral("Canceled..."));
}

TEST_F(WindowRoutinesTest, FolderBrowserTitleStartsAtCAndCancelGivesNothing)
{
    ui.expectFolder(QStringLiteral("C:\\Templates"));
    EXPECT_EQ(browseForFolder(env, QStringLiteral("   Location of Templates")), QStringLiteral("C:\\Templates"));
    EXPECT_EQ(ui.last().title, QStringLiteral("C:\\   Location of Templates"));

    ui.expectFolder(QString());
    EXPECT_EQ(browseForFolder(env), QString());
    EXPECT_EQ(ui.last().title, QStringLiteral("C:\\"));
}

TEST(WindowLook, TranslucentWindowAndListGoBackToOpaqueButStayLayered)
{
    QWidget window;
    auto* list = new QListWidget(&window);
    forms::setWindowAlpha(&window, 186);
    forms::setWindowAlpha(list, 100);
    EXPECT_EQ(forms::windowAlpha(&window), 186);
    EXPECT_EQ(forms::windowAlpha(list), 100);

    forms::setWindowAlpha(&window, 255);
    forms::setWindowAlpha(list, 255);
    EXPECT_EQ(forms::windowAlpha(&window), 255);
    EXPECT_EQ(forms::windowAlpha(list), 255);
    EXPECT_TRUE(forms::isLayered(&window));
    EXPECT_TRUE(forms::isLayered(list));
}

TEST(WindowLook, TopMostWithShowFlagsFloatsAndShowsWithoutTakingFocus)
{
    QWidget window;
    window.move(40, 50);
    forms::setTopMost(&window, 83);
    EXPECT_TRUE(forms::isTopMost(&window));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window.pos(), QPoint(40, 50));
}
