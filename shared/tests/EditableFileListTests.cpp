#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/ScriptedInteraction.h"
#include "platform/testing/Controls.h"
#include "shared/EditableFileList.h"
#include "shared/FileListModel.h"
#include "ToolVariants.h"

#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using suite::test::fileListSorted;
using suite::test::fileListUnbalo;
using testing_env::control;

namespace {

class EditableFileListTest : public ::testing::Test {
protected:
    EditableFileListTest()
    {
        ui.setFailureHandler([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        env.ui = &ui;
        env.dispatcher = &dispatcher;
        window.resize(400, 300);
        new QVBoxLayout(&window);
    }

    suite::EditableFileList& make(const suite::EditableFileListVariant& variant, const QStringList& rows)
    {
        list.reset();
        model = std::make_unique<suite::FileListModel>();
        list = std::make_unique<suite::EditableFileList>(env, variant, *model, &window);
        window.layout()->addWidget(list.get());
        window.show();
        for (const QString& row : rows)
            list->Batchlist1sub(row);
        return *list;
    }

    QListView& view() const { return control<QListView>(*list, list->variant().listName); }
    QToolButton& button(const char* name) const { return control<QToolButton>(*list, QLatin1String(name)); }

    // A click on a row, as the user makes it.
    void click(int row) { view().setCurrentIndex(model->index(row)); }

    // Up, Down, Delete.
    std::array<bool, 3> buttons() const
    {
        return {button("cmdUp").isEnabled(), button("cmdDown").isEnabled(), button("cmdDelete").isEnabled()};
    }

    const QStringList abc{"P:\\a.dwg", "P:\\b.dwg", "P:\\c.dwg"};
    forms::ScriptedInteraction ui{QStringLiteral("Unbaloor")};
    forms::Dispatcher dispatcher{ui};
    env::Environment env;
    QWidget window;
    std::unique_ptr<suite::FileListModel> model;
    std::unique_ptr<suite::EditableFileList> list;
};

using Buttons = std::array<bool, 3>;

}  // namespace

TEST_F(EditableFileListTest, ButtonsFollowTheSelectionOnEveryClick)
{
    make(fileListUnbalo(), abc);
    EXPECT_EQ(buttons(), (Buttons{false, false, false}));
    EXPECT_TRUE(button("cmdAdd").isEnabled());
    click(0);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));
    click(1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    click(2);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
}

TEST_F(EditableFileListTest, UpAndDownMoveTheSelectedRowAndFollowIt)
{
    auto& l = make(fileListUnbalo(), abc);
    click(1);
    button("cmdUp").click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\b.dwg", "P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(l.listIndex(), 0);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));

    button("cmdDown").click();
    button("cmdDown").click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\c.dwg", "P:\\b.dwg"}));
    EXPECT_EQ(l.listIndex(), 2);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
}

TEST_F(EditableFileListTest, UpOnTheFirstRowAndDownOnTheLastChangeNothing)
{
    auto& l = make(fileListUnbalo(), abc);
    click(0);
    l.cmdUp_Click();
    EXPECT_EQ(l.items(), abc);
    EXPECT_EQ(l.listIndex(), 0);
    click(2);
    l.cmdDown_Click();
    EXPECT_EQ(l.items(), abc);
    EXPECT_EQ(l.listIndex(), 2);
}

TEST_F(EditableFileListTest, DeleteAsksAndNoKeepsTheRowAndTheSelection)
{
    auto& l = make(fileListUnbalo(), abc);
    click(1);
    ui.expectMsgBox(forms::msgbox::No);
    button("cmdDelete").click();
    EXPECT_EQ(ui.last().text, QStringLiteral("Delete 'P:\\b.dwg'?"));
    EXPECT_EQ(ui.last().style, forms::msgbox::YesNo + forms::msgbox::Question);
    EXPECT_EQ(ui.last().caption, QStringLiteral("Unbaloor"));
    EXPECT_EQ(l.items(), abc);
    EXPECT_EQ(l.listIndex(), 1);
}

TEST_F(EditableFileListTest, DeleteYesRemovesTheRowAndLeavesTheButtonsUntilTheNextClick)
{
    auto& l = make(fileListUnbalo(), abc);
    click(1);
    ui.expectMsgBox(forms::msgbox::Yes);
    button("cmdDelete").click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));

    // Pressed with nothing selected they do nothing, and ask nothing.
    button("cmdUp").click();
    button("cmdDown").click();
    button("cmdDelete").click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(ui.records().size(), 1);

    click(1);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
}

TEST_F(EditableFileListTest, ClearEmptiesTheListByButtonOrByMenu)
{
    auto& installer = make(fileListUnbalo(), abc);
    click(2);
    button("cmdAdd").click();
    EXPECT_EQ(installer.count(), 0);
    EXPECT_EQ(installer.listIndex(), -1);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
    EXPECT_TRUE(ui.records().isEmpty());

    auto& plotter = make(fileListSorted(), abc);
    EXPECT_EQ(plotter.findChild<QToolButton*>(QStringLiteral("cmdAdd")), nullptr);
    ui.expectPopup(QStringLiteral("Clear All Drawings"));
    plotter.List_MouseDown(QPoint());
    EXPECT_EQ(plotter.count(), 0);
    EXPECT_EQ(ui.last().items, QStringList{"Clear All Drawings"});
}

TEST_F(EditableFileListTest, DropBelowTheLastRowMovesTheRowToTheEnd)
{
    auto& l = make(fileListUnbalo(), abc);
    click(0);
    l.List_DragDrop(&view(), l.rowHeight() * 6 + 2);
    EXPECT_EQ(l.items(), (QStringList{"P:\\b.dwg", "P:\\c.dwg", "P:\\a.dwg"}));
    EXPECT_EQ(l.listIndex(), 2);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));

    // Onto the middle of the first row.
    l.List_DragDrop(&view(), l.rowHeight() / 2);
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\b.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(l.listIndex(), 0);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));
}

TEST_F(EditableFileListTest, DropOnItsOwnRowOrFromElsewhereChangesNothing)
{
    auto& l = make(fileListUnbalo(), abc);
    click(1);
    button("cmdUp").setEnabled(false);  // stale state the drop must leave alone
    l.List_DragDrop(&view(), l.rowHeight() + 1);
    EXPECT_EQ(l.items(), abc);
    EXPECT_EQ(l.listIndex(), 1);
    EXPECT_FALSE(button("cmdUp").isEnabled());

    l.List_DragDrop(&button("cmdAdd"), 0);
    l.List_DragDrop(nullptr, 0);
    EXPECT_EQ(l.items(), abc);

    auto& plotter = make(fileListSorted(), abc);
    click(0);
    plotter.List_DragDrop(&view(), plotter.rowHeight() * 2 + 1);
    EXPECT_EQ(plotter.items(), abc);
}

TEST_F(EditableFileListTest, TheSameFileTwiceStandsInTwoRows)
{
    auto& l = make(fileListUnbalo(), {"P:\\b.dwg", "P:\\a.dwg", "P:\\b.dwg"});
    EXPECT_EQ(l.items(), (QStringList{"P:\\b.dwg", "P:\\a.dwg", "P:\\b.dwg"}));
}

TEST_F(EditableFileListTest, DrosselPutsNewRowsInAlphabeticalPlaceWithoutRegardToCase)
{
    auto& l = make(fileListSorted(), {"P:\\m.dwg", "P:\\B.dwg"});
    click(1);  // m.dwg
    l.Batchlist1sub(QStringLiteral("p:\\a.dwg"));
    l.Batchlist1sub(QStringLiteral("P:\\z.dwg"));
    l.Batchlist1sub(QStringLiteral("p:\\c.dwg"));
    l.Batchlist1sub(QStringLiteral("P:\\B.dwg"));
    EXPECT_EQ(l.items(),
              (QStringList{"p:\\a.dwg", "P:\\B.dwg", "P:\\B.dwg", "p:\\c.dwg", "P:\\m.dwg", "P:\\z.dwg"}));
    EXPECT_EQ(l.model().path(l.listIndex()), QStringLiteral("P:\\m.dwg"));

    // Up and Down still move rows out of alphabetical order.
    button("cmdUp").click();
    EXPECT_EQ(l.items().at(3), QStringLiteral("P:\\m.dwg"));
    EXPECT_EQ(view().toolTip(), QStringLiteral("Right Click For Menu:"));
    EXPECT_EQ(button("cmdUp").toolTip(), QStringLiteral("Move Up"));
}
