#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/ScriptedInteraction.h"
#include "shared/EditableFileList.h"

#include <QListWidget>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class EditableFileListTest : public ::testing::Test {
protected:
    EditableFileListTest()
    {
        ui.setFailureHandler([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        env.ui = &ui;
        env.dispatcher = &dispatcher;
        window.resize(400, 300);
    }

    suite::EditableFileList& make(const suite::EditableFileListVariant& variant, const QStringList& rows)
    {
        list = std::make_unique<suite::EditableFileList>(env, variant, &window);
        list->List->setGeometry(0, 0, 300, 260);
        window.show();
        for (const QString& row : rows)
            list->Batchlist1sub(row);
        return *list;
    }

    // A click on a row, as the user makes it.
    void click(int row) { list->List->setCurrentRow(row); }

    // Up, Down, Delete.
    std::array<bool, 3> buttons() const
    {
        return {list->cmdUp->isEnabled(), list->cmdDown->isEnabled(), list->cmdDelete->isEnabled()};
    }

    const QStringList abc{"P:\\a.dwg", "P:\\b.dwg", "P:\\c.dwg"};
    forms::ScriptedInteraction ui{QStringLiteral("Unbaloor")};
    forms::Dispatcher dispatcher{ui};
    env::Environment env;
    QWidget window;
    std::unique_ptr<suite::EditableFileList> list;
};

using Buttons = std::array<bool, 3>;

}  // namespace

TEST_F(EditableFileListTest, ButtonsFollowTheSelectionOnEveryClick)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
    EXPECT_EQ(buttons(), (Buttons{false, false, false}));
    EXPECT_TRUE(l.cmdAdd->isEnabled());
    click(0);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));
    click(1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));
    click(2);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
}

TEST_F(EditableFileListTest, UpAndDownMoveTheSelectedRowAndFollowIt)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
    click(1);
    l.cmdUp->click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\b.dwg", "P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(l.listIndex(), 0);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));

    l.cmdDown->click();
    l.cmdDown->click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\c.dwg", "P:\\b.dwg"}));
    EXPECT_EQ(l.listIndex(), 2);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
}

TEST_F(EditableFileListTest, UpOnTheFirstRowAndDownOnTheLastChangeNothing)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
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
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
    click(1);
    ui.expectMsgBox(forms::msgbox::No);
    l.cmdDelete->click();
    EXPECT_EQ(ui.last().text, QStringLiteral("Delete 'P:\\b.dwg'?"));
    EXPECT_EQ(ui.last().style, forms::msgbox::YesNo + forms::msgbox::Question);
    EXPECT_EQ(ui.last().caption, QStringLiteral("Unbaloor"));
    EXPECT_EQ(l.items(), abc);
    EXPECT_EQ(l.listIndex(), 1);
}

TEST_F(EditableFileListTest, DeleteYesRemovesTheRowAndLeavesTheButtonsUntilTheNextClick)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
    click(1);
    ui.expectMsgBox(forms::msgbox::Yes);
    l.cmdDelete->click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(buttons(), (Buttons{true, true, true}));

    // Pressed with nothing selected they do nothing, and ask nothing.
    l.cmdUp->click();
    l.cmdDown->click();
    l.cmdDelete->click();
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(ui.records().size(), 1);

    click(1);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
}

TEST_F(EditableFileListTest, ClearEmptiesTheListByButtonOrByMenu)
{
    auto& installer = make(suite::EditableFileListVariant::unbalo(), abc);
    click(2);
    installer.cmdAdd->click();
    EXPECT_EQ(installer.count(), 0);
    EXPECT_EQ(installer.listIndex(), -1);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));
    EXPECT_TRUE(ui.records().isEmpty());

    auto& plotter = make(suite::EditableFileListVariant::drossel(), abc);
    EXPECT_EQ(plotter.cmdAdd, nullptr);
    ui.expectPopup(QStringLiteral("Clear All Drawings"));
    plotter.List_MouseDown(QPoint());
    EXPECT_EQ(plotter.count(), 0);
    EXPECT_EQ(ui.last().items, QStringList{"Clear All Drawings"});
}

TEST_F(EditableFileListTest, DropBelowTheLastRowMovesTheRowToTheEnd)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
    click(0);
    l.List_DragDrop(l.List, l.rowHeight() * 6 + 2);
    EXPECT_EQ(l.items(), (QStringList{"P:\\b.dwg", "P:\\c.dwg", "P:\\a.dwg"}));
    EXPECT_EQ(l.listIndex(), 2);
    EXPECT_EQ(buttons(), (Buttons{true, false, true}));

    // Onto the middle of the first row.
    l.List_DragDrop(l.List, l.rowHeight() / 2);
    EXPECT_EQ(l.items(), (QStringList{"P:\\a.dwg", "P:\\b.dwg", "P:\\c.dwg"}));
    EXPECT_EQ(l.listIndex(), 0);
    EXPECT_EQ(buttons(), (Buttons{false, true, true}));
}

TEST_F(EditableFileListTest, DropOnItsOwnRowOrFromElsewhereChangesNothing)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), abc);
    click(1);
    l.cmdUp->setEnabled(false);  // stale state the drop must leave alone
    l.List_DragDrop(l.List, l.rowHeight() + 1);
    EXPECT_EQ(l.items(), abc);
    EXPECT_EQ(l.listIndex(), 1);
    EXPECT_FALSE(l.cmdUp->isEnabled());

    l.List_DragDrop(l.cmdAdd, 0);
    l.List_DragDrop(nullptr, 0);
    EXPECT_EQ(l.items(), abc);

    auto& plotter = make(suite::EditableFileListVariant::drossel(), abc);
    click(0);
    plotter.List_DragDrop(plotter.List, plotter.rowHeight() * 2 + 1);
    EXPECT_EQ(plotter.items(), abc);
}

TEST_F(EditableFileListTest, TheSameFileTwiceStandsInTwoRows)
{
    auto& l = make(suite::EditableFileListVariant::unbalo(), {"P:\\b.dwg", "P:\\a.dwg", "P:\\b.dwg"});
    EXPECT_EQ(l.items(), (QStringList{"P:\\b.dwg", "P:\\a.dwg", "P:\\b.dwg"}));
}

TEST_F(EditableFileListTest, DrosselPutsNewRowsInAlphabeticalPlaceWithoutRegardToCase)
{
    auto& l = make(suite::EditableFileListVariant::drossel(), {"P:\\m.dwg", "P:\\B.dwg"});
    click(1);  // m.dwg
    l.Batchlist1sub(QStringLiteral("p:\\a.dwg"));
    l.Batchlist1sub(QStringLiteral("P:\\z.dwg"));
    l.Batchlist1sub(QStringLiteral("p:\\c.dwg"));
    l.Batchlist1sub(QStringLiteral("P:\\B.dwg"));
    EXPECT_EQ(l.items(),
              (QStringList{"p:\\a.dwg", "P:\\B.dwg", "P:\\B.dwg", "p:\\c.dwg", "P:\\m.dwg", "P:\\z.dwg"}));
    EXPECT_EQ(l.List->item(l.listIndex())->text(), QStringLiteral("P:\\m.dwg"));

    // Up and Down still move rows out of alphabetical order.
    l.cmdUp->click();
    EXPECT_EQ(l.items().at(3), QStringLiteral("P:\\m.dwg"));
    EXPECT_EQ(l.List->toolTip(), QStringLiteral("Right Click For Menu:"));
    EXPECT_EQ(l.cmdUp->toolTip(), QStringLiteral("Move Up"));
}
