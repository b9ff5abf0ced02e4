#include "HostFixture.h"
#include "ToolVariants.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/standin/ScriptedUser.h"
#include "shared/AcadConnection.h"
#include "shared/SelectionLoop.h"

#include <QWidget>
#include <functional>

using namespace suite;
using suite::test::HostFixture;
using suite::test::selectionTool;
namespace msgbox = forms::msgbox;

namespace {

// Answers from the test's script and notes whether the tool's window was in
// sight each time the user was asked to pick.
class WatchingUser : public standin::User {
public:
    WatchingUser(standin::User& script, const QWidget& window) : script_(script), window_(window) {}

    standin::PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) override
    {
        return script_.askPoint(prompt, base);
    }
    standin::SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) override
    {
        windowShown.append(window_.isVisible());
        if (whilePicking)
            whilePicking();
        return script_.askSelection(candidates);
    }

    QList<bool> windowShown;
    // What happens elsewhere while the user picks (a timer's attach).
    std::function<void()> whilePicking;

private:
    standin::User& script_;
    const QWidget& window_;
};

class SelectionLoopTest : public HostFixture {
protected:
    SelectionLoopTest() : watcher(t.user(), window)
    {
        drawing = host->addDocument();
        conn.application = host;
        conn.document = drawing;
        host->setUser(&watcher);
        line = drawing->modelSpace()->addLine({0, 0, 0}, {1, 0, 0});
        text = drawing->modelSpace()->addText(QStringLiteral("A"), {0, 0, 0}, 1);
        window.show();
    }
    ~SelectionLoopTest() override { EXPECT_EQ(t.user().remaining(), 0) << "picks were scripted but not asked"; }

    // Brindok's shape, working on each object by writing down its class.
    SelectionTool tool(const QString& name = QStringLiteral("Brindok"))
    {
        SelectionTool made = selectionTool(name);
        made.work = [this](cad::Entity& object) {
            worked.append(object.entityName());
            return Walk::Next;
        };
        return made;
    }

    SelectionOutcome run(const SelectionTool& with) { return selectOnScreen(ui, conn, &window, with); }

    QStringList setNames()
    {
        QStringList names;
        for (const auto& set : drawing->selectionSets()->items())
            names.append(set->name());
        return names;
    }

    QWidget window;
    WatchingUser watcher;
    std::shared_ptr<cad::Document> drawing;
    AcadConnection conn;
    std::shared_ptr<cad::Entity> line;
    std::shared_ptr<cad::Entity> text;
    QStringList worked;
};

}  // namespace

TEST_F(SelectionLoopTest, ACompletedSelectionIsWorkedOnWithTheWindowHidden)
{
    t.user().selection({line, text});
    EXPECT_EQ(run(tool()), SelectionOutcome::Completed);
    EXPECT_EQ(worked, (QStringList{"AcDbLine", "AcDbText"}));
    EXPECT_EQ(watcher.windowShown, QList<bool>{false});
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(setNames().isEmpty());
}

TEST_F(SelectionLoopTest, ACancelInAnyLetterCaseChangesNothingAndKeepsTheSet)
{
    for (const QString& prompt : {QStringLiteral("*Cancel*"), QStringLiteral("*cancel*"),
                                  QStringLiteral("Select objects: *CANCEL*")}) {
        t.user().selection({line}, prompt);
        EXPECT_EQ(run(tool()), SelectionOutcome::Cancelled) << prompt.toStdString();
        EXPECT_TRUE(worked.isEmpty());
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(setNames(), QStringList{QStringLiteral("setpres")}) << "left for the next run to remove";
    }
}

TEST_F(SelectionLoopTest, AnInterruptedSelectionIsAskedAgainIntoTheSameSet)
{
    t.user()
        .selection({line}, QStringLiteral("Press ESC or ENTER to exit, or right-click to display shortcut menu."))
        .selection({}, QStringLiteral("Press pick button and drag vertically to zoom. <Real Time>"))
        .selection({}, QStringLiteral("Specify OPPOSITE corner:"))
        .selection({text});
    EXPECT_EQ(run(tool()), SelectionOutcome::Completed);
    EXPECT_EQ(worked, (QStringList{"AcDbLine", "AcDbText"}));
    EXPECT_EQ(watcher.windowShown, (QList<bool>{false, false, false, false}));
    EXPECT_EQ(selectionEnd(QStringLiteral("Select objects:")), SelectionEnd::Completed);
}

TEST_F(SelectionLoopTest, AnEmptyPickCompletesWithNothingChanged)
{
    t.user().selection({});
    EXPECT_EQ(run(tool()), SelectionOutcome::Completed);
    EXPECT_TRUE(worked.isEmpty());
    EXPECT_TRUE(setNames().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SelectionLoopTest, ALeftoverSetOfTheExactNameIsReplaced)
{
    drawing->selectionSets()->add(QStringLiteral("setpres"))->addItems({text});
    drawing->selectionSets()->add(QStringLiteral("SETPRES"));
    t.user().selection({line});
    EXPECT_EQ(run(tool()), SelectionOutcome::Completed);
    EXPECT_EQ(worked, QStringList{QStringLiteral("AcDbLine")}) << "not added to the left-over set";
    EXPECT_EQ(setNames(), QStringList{QStringLiteral("SETPRES")}) << "another name is not the tool's";

    // The other tools' names are theirs alone.
    drawing->selectionSets()->add(QStringLiteral("settxt0"));
    t.user().selection({text});
    EXPECT_EQ(run(tool(QStringLiteral("Pemmit"))), SelectionOutcome::Completed);
    EXPECT_EQ(setNames(), QStringList{QStringLiteral("SETPRES")});
}

TEST_F(SelectionLoopTest, AFailedPreconditionLeavesTheDrawingAndWindowAlone)
{
    SelectionTool refusing = tool();
    refusing.precondition = [] { return false; };
    EXPECT_EQ(run(refusing), SelectionOutcome::NotStarted);
    EXPECT_TRUE(setNames().isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(watcher.windowShown.isEmpty());
}

TEST_F(SelectionLoopTest, TheWorkCanStopTheWalk)
{
    SelectionTool first = tool();
    first.work = [this](cad::Entity& object) {
        worked.append(object.entityName());
        return Walk::Stop;
    };
    t.user().selection({line, text});
    EXPECT_EQ(run(first), SelectionOutcome::Completed);
    EXPECT_EQ(worked, QStringList{QStringLiteral("AcDbLine")});
    EXPECT_TRUE(setNames().isEmpty());
}

TEST_F(SelectionLoopTest, ErrorsAreHandledTheWayEachToolSays)
{
    auto failingWork = [](SelectionTool made) {
        made.work = [](cad::Entity&) -> Walk { cad::raise(cad::err::InvalidInput, QStringLiteral("refused")); };
        return made;
    };
    const QString boxText =
        QString::number(cad::err::InvalidInput) + QStringLiteral("  Description:  ");

    // The palette: a critical box while the window is still hidden, then the
    // window; the set stays.
    bool hiddenAtBox = false;
    ui.setWhileBoxShown([&](const auto&) { hiddenAtBox = !window.isVisible(); });
    t.user().selection({line});
    ui.expectMsgBox(msgbox::Ok, boxText);
    EXPECT_EQ(run(failingWork(tool(QStringLiteral("Brindok")))), SelectionOutcome::Failed);
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(hiddenAtBox);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(setNames(), QStringList{QStringLiteral("setpres")});

    // The text tool: the window first, a plain box, then the set deleted.
    t.user().selection({line});
    ui.expectMsgBox(msgbox::Ok, boxText);
    EXPECT_EQ(run(failingWork(tool(QStringLiteral("Orbessa")))), SelectionOutcome::Failed);
    EXPECT_EQ(ui.last().style, msgbox::OkOnly);
    EXPECT_FALSE(hiddenAtBox);
    EXPECT_TRUE(setNames().isEmpty());

    // The dimension tool: silently.
    ui.clearRecords();
    t.user().selection({line});
    EXPECT_EQ(run(failingWork(tool(QStringLiteral("Lunvik")))), SelectionOutcome::Failed);
    EXPECT_TRUE(ui.records().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SelectionLoopTest, ANumberMayBeClearedOrItsStepTriedAgainWithinABound)
{
    SelectionTool pemmit = tool(QStringLiteral("Pemmit"));
    // Cleared silently.
    host->failures().failNext(QStringLiteral("SelectionSet.SelectOnScreen"), cad::err::NoPointGiven);
    EXPECT_EQ(run(pemmit), SelectionOutcome::Failed);
    EXPECT_TRUE(ui.records().isEmpty());
    EXPECT_TRUE(window.isVisible());

    // Tried again: the selection goes on as if nothing had happened.
    host->failures().failNext(QStringLiteral("SelectionSets.Add"), cad::err::ExceptionOccurred);
    host->failures().failNext(QStringLiteral("SelectionSets.Add"), cad::err::ExceptionOccurred);
    t.user().selection({text});
    EXPECT_EQ(run(pemmit), SelectionOutcome::Completed);
    EXPECT_EQ(worked, QStringList{QStringLiteral("AcDbText")});

    // A failure that persists is tried again only so often, then boxed.
    host->failures().failAlways(QStringLiteral("SelectionSets.Add"), cad::err::ExceptionOccurred);
    ui.expectMsgBox(msgbox::Ok, QString::number(cad::err::ExceptionOccurred));
    EXPECT_EQ(run(pemmit), SelectionOutcome::Failed);
    // One add for each run before, two refused and one taken, then the last.
    EXPECT_EQ(host->journal().matching(QStringLiteral("SelectionSets.Add settxt0")).size(),
              1 + 3 + 1 + pemmit.errors.retryLimit);
}

TEST_F(SelectionLoopTest, WithoutADrawingTheErrorIsTheTools)
{
    const AcadConnection none;
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("91  Description:  "));
    EXPECT_EQ(selectOnScreen(ui, none, &window, tool()), SelectionOutcome::Failed);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SelectionLoopTest, TheDrawingIsHeldWhileATimersAttachLetsGoOfIt)
{
    // The connection's hold on the drawing is the only one; letting go of it
    // releases the object the way a re-attach releases a remote host's proxy.
    bool released = false;
    conn.document = std::shared_ptr<cad::Document>(std::shared_ptr<void>(nullptr, [&](void*) { released = true; }),
                                                   drawing.get());
    bool heldWhilePicking = false;
    watcher.whilePicking = [&] {
        conn.document = drawing;
        heldWhilePicking = !released;
    };
    t.user().selection({line});
    EXPECT_EQ(run(tool()), SelectionOutcome::Completed);
    EXPECT_TRUE(heldWhilePicking);
    EXPECT_TRUE(released) << "let go once the selection is done";
    EXPECT_EQ(worked, QStringList{QStringLiteral("AcDbLine")});
    EXPECT_TRUE(setNames().isEmpty());
}
