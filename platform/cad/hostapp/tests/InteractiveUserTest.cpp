// The person at the host's prompts: the command line and the drawing view
// driven in process, the prompts asked as a tool asks them (Utility.GetPoint,
// SelectionSet.SelectOnScreen), so the host's rules on the answers apply.
#include "platform/cad/CadErrors.h"
#include "platform/cad/hostapp/CommandLine.h"
#include "platform/cad/hostapp/InteractiveUser.h"
#include "platform/cad/hostview/DrawingView.h"
#include "platform/cad/standin/Document.h"
#include "platform/cad/standin/Host.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/testing/ErrorOf.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using hostapp::CommandLine;
using hostapp::InteractiveUser;
using hostview::DrawingView;
using testing_env::errorOf;

namespace {

cad::Point pt(double x, double y) { return {x, y, 0.0}; }

class Prompts : public ::testing::Test {
protected:
    Prompts() : fs(table()), host(standin::Host::create(fs)), user(commandLine, [this] { return &view; })
    {
        host->setUser(&user);
        document = host->addDocument();
        view.setDocument(document);
        view.resize(400, 300);
        view.zoomExtents();
        QObject::connect(&commandLine, &CommandLine::lineEntered, &user, &InteractiveUser::answer);
        QObject::connect(&commandLine, &CommandLine::escapePressed, &user, &InteractiveUser::escape);
    }
    ~Prompts() override { host->setUser(nullptr); }

    files::DriveTable table() const
    {
        files::DriveTable drives;
        drives.map(QStringLiteral("C"), temp.path());
        return drives;
    }

    // Runs the steps once the prompt waits, one after the other.
    void whileWaiting(std::vector<std::function<void()>> steps)
    {
        QTimer::singleShot(0, [this, steps = std::move(steps)] {
            for (const auto& step : steps)
                step();
        });
    }

    void click(const QPointF& at)
    {
        const QPointF global = view.mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
        QApplication::sendEvent(&view, &release);
    }

    void key(int code)
    {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
    }

    QString lastPrompt() const { return document->getVariable(QStringLiteral("lastprompt")).toString(); }

    QTemporaryDir temp;
    files::FileSystem fs;
    std::shared_ptr<standin::Host> host;
    CommandLine commandLine;
    DrawingView view;
    InteractiveUser user;
    std::shared_ptr<standin::Document> document;
};

TEST_F(Prompts, TypedCoordinatesAnswerThePromptShownOnTheCommandLine)
{
    QString shownPrompt;
    DrawingView::Mode shownMode = DrawingView::Mode::Idle;
    whileWaiting({[&] {
                      shownPrompt = commandLine.prompt();
                      shownMode = view.mode();
                  },
                  [&] { commandLine.type(QStringLiteral("nonsense")); },
                  [&] { EXPECT_TRUE(user.waiting()); },
                  [&] { commandLine.type(QStringLiteral(" 1.5, 2 ")); }});
    EXPECT_EQ(document->utility()->getPoint(std::nullopt, QStringLiteral("Pick First Point:")), pt(1.5, 2));
    EXPECT_EQ(shownPrompt, QStringLiteral("Pick First Point:"));
    EXPECT_EQ(shownMode, DrawingView::Mode::Point);
    EXPECT_EQ(commandLine.history(), (QStringList{"Pick First Point: nonsense", InteractiveUser::InvalidPoint,
                                                  "Pick First Point:  1.5, 2"}));
    // Afterwards the command line and the view are back at rest.
    QCoreApplication::processEvents();
    EXPECT_EQ(commandLine.prompt(), CommandLine::CommandPrompt);
    EXPECT_EQ(view.mode(), DrawingView::Mode::Idle);
    EXPECT_FALSE(user.waiting());

    whileWaiting({[&] { commandLine.type(QStringLiteral("@3,4")); }});
    EXPECT_EQ(document->utility()->getPoint(pt(1, 1), QStringLiteral("Next Point:")), pt(4, 5));
    whileWaiting({[&] { commandLine.type(QStringLiteral("1,2,3")); }});
    EXPECT_EQ(document->utility()->getPoint(std::nullopt, QStringLiteral("Next Point:")), (cad::Point{1, 2, 3}));
}

TEST_F(Prompts, EnterGivesNoPointAndEscCancelsFromTheViewOrTheCommandLine)
{
    const auto utility = document->utility();
    whileWaiting({[&] { commandLine.type(QString()); }});
    EXPECT_EQ(errorOf([&] { utility->getPoint(pt(0, 0), QStringLiteral("Next Point:")); }), cad::err::NoPointGiven);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Next Point:"));

    whileWaiting({[&] { key(Qt::Key_Return); }});
    EXPECT_EQ(errorOf([&] { utility->getPoint(pt(0, 0), QStringLiteral("Next Point:")); }), cad::err::NoPointGiven);

    whileWaiting({[&] { key(Qt::Key_Escape); }});
    EXPECT_EQ(errorOf([&] { utility->getPoint(std::nullopt, QStringLiteral("Pick First Point:")); }),
              cad::err::ExceptionOccurred);
    EXPECT_EQ(lastPrompt(), QStringLiteral("*Cancel*"));
    EXPECT_EQ(commandLine.history().last(), QStringLiteral("Pick First Point: *Cancel*"));

    whileWaiting({[&] { commandLine.pressEscape(); }});
    EXPECT_EQ(errorOf([&] { utility->getPoint(std::nullopt, QStringLiteral("Again:")); }), cad::err::ExceptionOccurred);
    EXPECT_EQ(view.mode(), DrawingView::Mode::Idle);
}

TEST_F(Prompts, OrthoLevelsAClickAgainstTheBaseButNotTypedCoordinates)
{
    document->setVariable(QStringLiteral("Orthomode"), 1);
    const QPointF at(250, 100);
    const cad::Point clicked = view.toDrawing(at);
    const cad::Point base = pt(clicked.x - 5, clicked.y - 0.5);
    // The base lies to the left, a little below: the click is levelled onto
    // the horizontal through it.
    whileWaiting({[&] { click(at); }});
    const cad::Point picked = document->utility()->getPoint(base, QStringLiteral("Next Point:"));
    EXPECT_DOUBLE_EQ(picked.x, clicked.x);
    EXPECT_DOUBLE_EQ(picked.y, base.y);

    whileWaiting({[&] { commandLine.type(QStringLiteral("10,1")); }});
    EXPECT_EQ(document->utility()->getPoint(pt(0, 0), QStringLiteral("Next Point:")), pt(10, 1));

    document->setVariable(QStringLiteral("Orthomode"), 0);
    whileWaiting({[&] { click(at); }});
    EXPECT_EQ(document->utility()->getPoint(base, QStringLiteral("Next Point:")), clicked);
}

TEST_F(Prompts, ASelectionGathersPicksOfTheWorkingSpaceUntilEnter)
{
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    const auto text = document->modelSpace()->addText(QStringLiteral("A"), pt(0, 0), 1);
    const auto onSheet = document->paperSpace()->addLine(pt(0, 0), pt(1, 1));
    const auto set = document->selectionSets()->add(QStringLiteral("setpres"));
    DrawingView::Mode shownMode = DrawingView::Mode::Idle;
    whileWaiting({[&] {
                      shownMode = view.mode();
                      EXPECT_EQ(commandLine.prompt(), QStringLiteral("Select objects:"));
                  },
                  [&] { emit view.objectsPicked({line}); },
                  [&] { emit view.objectsPicked({line, onSheet}); },
                  [&] { commandLine.type(QStringLiteral("bogus")); },
                  [&] { commandLine.type(QStringLiteral("all")); },
                  [&] { key(Qt::Key_Return); }});
    set->selectOnScreen();
    EXPECT_EQ(shownMode, DrawingView::Mode::Select);
    EXPECT_EQ(set->count(), 2);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Select objects:"));
    const QStringList history = commandLine.history();
    EXPECT_TRUE(history.contains(QStringLiteral("1 found, 1 total")));
    EXPECT_TRUE(history.contains(QStringLiteral("1 found, 1 duplicate, 1 total")));
    EXPECT_TRUE(history.contains(QStringLiteral("*Invalid selection*")));
    EXPECT_TRUE(history.contains(QStringLiteral("2 found, 1 duplicate, 2 total")));
    (void)text;
}

TEST_F(Prompts, EscCancelsASelectionWithNothingChosen)
{
    const auto line = document->modelSpace()->addLine(pt(0, 0), pt(1, 0));
    const auto set = document->selectionSets()->add(QStringLiteral("settxt0"));
    whileWaiting({[&] { emit view.objectsPicked({line}); }, [&] { key(Qt::Key_Escape); }});
    set->selectOnScreen();
    EXPECT_EQ(set->count(), 0);
    EXPECT_EQ(lastPrompt(), QStringLiteral("*Cancel*"));
    EXPECT_EQ(view.mode(), DrawingView::Mode::Idle);
}

TEST_F(Prompts, APromptAskedWhileAnotherWaitsComesFirstThenTheOtherIsShownAgain)
{
    cad::Point inner;
    QString shownAfterInner;
    whileWaiting({[&] {
        whileWaiting({[&] { commandLine.type(QStringLiteral("2,2")); }});
        inner = document->utility()->getPoint(std::nullopt, QStringLiteral("Inner:"));
        shownAfterInner = commandLine.prompt();
        commandLine.type(QStringLiteral("1,1"));
    }});
    EXPECT_EQ(document->utility()->getPoint(std::nullopt, QStringLiteral("Outer:")), pt(1, 1));
    EXPECT_EQ(inner, pt(2, 2));
    EXPECT_EQ(shownAfterInner, QStringLiteral("Outer:"));
}

TEST_F(Prompts, EntriesAlreadySentAnswerANewPromptWithoutWaiting)
{
    QStringList queued{QStringLiteral("bad"), QStringLiteral("3,4")};
    user.setQueuedInput([&]() -> std::optional<QString> {
        if (queued.isEmpty())
            return std::nullopt;
        return queued.takeFirst();
    });
    EXPECT_EQ(document->utility()->getPoint(std::nullopt, QStringLiteral("First:")), pt(3, 4));
    EXPECT_EQ(commandLine.history(), (QStringList{"First: bad", InteractiveUser::InvalidPoint, "First: 3,4"}));
}

}  // namespace
