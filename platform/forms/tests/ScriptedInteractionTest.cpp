#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/ScriptedInteraction.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <stdexcept>

using forms::ScriptedInteraction;
namespace mb = forms::msgbox;

namespace {

struct Collecting {
    QStringList failures;
    std::function<void(const QString&)> handler()
    {
        return [this](const QString& message) { failures.append(message); };
    }
};

}  // namespace

TEST(ScriptedInteraction, AnswersInOrderAndRecordsWhatWasShown)
{
    ScriptedInteraction ui(QStringLiteral("Cottrel"));
    ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ui.expectMsgBox(mb::Retry, QStringLiteral("How do you want"));
    ui.expectInputBox(QStringLiteral("P1234"));
    ui.expectMsgBox(mb::Ok);
    EXPECT_EQ(ui.pending(), 3);

    const QString text = QStringLiteral("Error#5 Location: Form_Load\r\nDescription: x\r\nHow do you want to continue?");
    EXPECT_EQ(ui.msgBox(text, 50, QStringLiteral("Error")), mb::Retry);
    EXPECT_EQ(ui.inputBox(QStringLiteral("Project:"), {}, QStringLiteral("P0")), QStringLiteral("P1234"));
    EXPECT_EQ(ui.msgBox(QStringLiteral("Bad Key Name")), mb::Ok);
    EXPECT_EQ(ui.pending(), 0);

    ASSERT_EQ(ui.records().size(), 3);
    const auto& box = ui.records()[0];
    EXPECT_EQ(box.kind, ScriptedInteraction::Kind::MsgBox);
    EXPECT_EQ(box.text, text);  // CR LF kept byte for byte
    EXPECT_EQ(box.caption, QStringLiteral("Error"));
    EXPECT_EQ(box.style, 50);
    // Without a caption of their own, boxes show the program title.
    EXPECT_EQ(ui.records()[1].caption, QStringLiteral("Cottrel"));
    EXPECT_EQ(ui.records()[1].defaultText, QStringLiteral("P0"));
    EXPECT_EQ(ui.records()[2].caption, QStringLiteral("Cottrel"));
    EXPECT_EQ(ui.records()[2].style, 0);
}

TEST(ScriptedInteraction, DialogsAnswerPathsAndEmptyForDismissed)
{
    ScriptedInteraction ui;
    ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ui.expectOpenFile(QStringLiteral("C:\\Tools\\acad.exe"));
    ui.expectSaveFile(QString());
    ui.expectFolder(QStringLiteral("P:\\Jobs"));

    forms::FileDialogRequest request;
    request.title = QStringLiteral("Open File");
    request.filters = {{QStringLiteral(" (*.exe)"), QStringLiteral("*.exe")}};
    request.flags = 2054;
    EXPECT_EQ(ui.openFileDialog(request), QStringLiteral("C:\\Tools\\acad.exe"));
    request.title = QStringLiteral("Select Destination File Name");
    EXPECT_EQ(ui.saveFileDialog(request), QString());
    EXPECT_EQ(ui.browseForFolder(QStringLiteral("C:\\   Location of Templates")), QStringLiteral("P:\\Jobs"));

    ASSERT_EQ(ui.records().size(), 3);
    EXPECT_EQ(ui.records()[0].title, QStringLiteral("Open File"));
    EXPECT_EQ(ui.records()[0].request.filters.value(0).pattern, QStringLiteral("*.exe"));
    EXPECT_EQ(ui.records()[0].request.flags, 2054);
    EXPECT_EQ(ui.records()[1].kind, ScriptedInteraction::Kind::SaveFile);
    EXPECT_EQ(ui.last().title, QStringLiteral("C:\\   Location of Templates"));
}

TEST(ScriptedInteraction, PopupChoosesByTextIgnoringMnemonics)
{
    ScriptedInteraction ui;
    Collecting collect;
    ui.setFailureHandler(collect.handler());
    QMenu menu;
    QAction* exitItem = menu.addAction(QStringLiteral("E&xit..."));
    menu.addSeparator();
    QMenu* tools = menu.addMenu(QStringLiteral("Tools"));
    QAction* drossel = tools->addAction(QStringLiteral("Drossel..."));
    QAction* greyed = menu.addAction(QStringLiteral("Purge All..."));
    greyed->setEnabled(false);

    ui.expectPopup(QStringLiteral("Exit..."));
    ui.expectPopup(QStringLiteral("Drossel..."));
    ui.expectPopup(QString());
    ui.expectPopup(QStringLiteral("Purge All..."));
    ui.expectPopup(QStringLiteral("Nowhere"));

    EXPECT_EQ(ui.popupMenu(&menu), exitItem);
    EXPECT_EQ(ui.popupMenu(&menu), drossel);
    EXPECT_EQ(ui.popupMenu(&menu), nullptr);
    EXPECT_TRUE(collect.failures.isEmpty());
    EXPECT_EQ(ui.records()[0].items,
              (QStringList{QStringLiteral("E&xit..."), QStringLiteral("Tools"), QStringLiteral("Drossel..."),
                           QStringLiteral("Purge All...")}));

    // A greyed item or one the menu lacks cannot be chosen.
    EXPECT_EQ(ui.popupMenu(&menu), nullptr);
    EXPECT_EQ(ui.popupMenu(&menu), nullptr);
    EXPECT_EQ(collect.failures.size(), 2);
}

TEST(ScriptedInteraction, UnexpectedOrWrongKindFailsAndAnswersDismissed)
{
    ScriptedInteraction ui;
    Collecting collect;
    ui.setFailureHandler(collect.handler());

    EXPECT_EQ(ui.msgBox(QStringLiteral("Surprise")), mb::Cancel);
    ASSERT_EQ(collect.failures.size(), 1);
    EXPECT_TRUE(collect.failures[0].contains(QStringLiteral("Surprise")));

    ui.expectMsgBox(mb::Yes);
    EXPECT_EQ(ui.inputBox(QStringLiteral("Name?")), QString());
    EXPECT_EQ(collect.failures.size(), 2);
    QMenu menu;
    menu.addAction(QStringLiteral("x"));
    EXPECT_EQ(ui.popupMenu(&menu), nullptr);
    EXPECT_EQ(collect.failures.size(), 3);
    // The queued box is still there for the box that does come.
    EXPECT_EQ(ui.pending(), 1);
    EXPECT_EQ(ui.msgBox(QStringLiteral("Delete 'a'?"), 36), mb::Yes);
    EXPECT_EQ(collect.failures.size(), 3);
    // Every interaction is recorded, expected or not.
    EXPECT_EQ(ui.records().size(), 4);
}

TEST(ScriptedInteraction, BoxTextMustContainTheExpectedPart)
{
    ScriptedInteraction ui;
    Collecting collect;
    ui.setFailureHandler(collect.handler());
    ui.expectMsgBox(mb::No, QStringLiteral("To Continue"));
    EXPECT_EQ(ui.msgBox(QStringLiteral("Something else"), 4), mb::No);
    EXPECT_EQ(collect.failures.size(), 1);
}

TEST(ScriptedInteraction, DefaultFailureThrowsAndUnusedAnswersAreReported)
{
    {
        ScriptedInteraction ui;
        EXPECT_THROW(ui.msgBox(QStringLiteral("Nobody asked")), std::logic_error);
    }
    QStringList failures;
    {
        ScriptedInteraction ui;
        ui.setFailureHandler([&](const QString& m) { failures.append(m); });
        ui.expectFolder(QStringLiteral("C:\\"));
    }
    EXPECT_EQ(failures.size(), 1);
}

TEST(ScriptedInteraction, WhileBoxShownHookRunsBeforeTheAnswerAndNotForItsOwnBoxes)
{
    ScriptedInteraction ui;
    ui.setFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    ui.expectMsgBox(mb::Ok, QStringLiteral("first"));
    ui.expectMsgBox(mb::Yes, QStringLiteral("inner"));
    QStringList seen;
    ui.setWhileBoxShown([&](const ScriptedInteraction::Record& shown) {
        seen.append(shown.text);
        // A box from inside the hook is answered in turn and runs no hook.
        EXPECT_EQ(ui.msgBox(QStringLiteral("inner"), mb::YesNo), mb::Yes);
    });
    EXPECT_EQ(ui.msgBox(QStringLiteral("first")), mb::Ok);
    EXPECT_EQ(seen, QStringList{QStringLiteral("first")});
    ASSERT_EQ(ui.records().size(), 2);
    EXPECT_EQ(ui.records()[1].text, QStringLiteral("inner"));

    // A throwing hook leaves the interaction usable.
    ui.expectMsgBox(mb::Ok);
    ui.expectMsgBox(mb::Ok);
    ui.setWhileBoxShown([](const ScriptedInteraction::Record&) { throw std::runtime_error("tick"); });
    EXPECT_THROW(ui.msgBox(QStringLiteral("a")), std::runtime_error);
    int runs = 0;
    ui.setWhileBoxShown([&](const ScriptedInteraction::Record&) { ++runs; });
    ui.msgBox(QStringLiteral("b"));
    EXPECT_EQ(runs, 1);
}
