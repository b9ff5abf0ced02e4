#include "HostFixture.h"

#include "platform/runtime/Error.h"
#include "shared/AcadConnection.h"
#include "shared/ReportError.h"
#include "shared/ErrorNumberBox.h"
#include "shared/ShowAppError.h"
#include "shared/StepRunner.h"

#include <stdexcept>

using namespace suite;
using suite::test::HostFixture;
namespace msgbox = forms::msgbox;

namespace {

const QString Question =
    QStringLiteral("Error#70 Location: Purgeall\r\nDescription: Permission denied\r\nHow do you want to continue?");

}  // namespace

using ReportErrorTest = HostFixture;

TEST_F(ReportErrorTest, PlainBoxesOfTheTableAreShownWithoutIconAndLeave)
{
    const QList<QPair<int, QString>> table = {
        {1009, "The Registry Database is corrupt!"}, {1015, "The Registry Database is corrupt!"},
        {2, "Bad Key Name"}, {1010, "Bad Key Name"}, {1011, "Can't Open Key"}, {4, "Can't Read Key"},
        {1012, "Can't Read Key"}, {5, "Access to this key is denied"}, {1013, "Can't Write Key"},
        {8, "Out of memory"}, {14, "Out of memory"}, {87, "Invalid Parameter"},
        {234, "There is more data than the buffer has been allocated to hold."},
    };
    ReportError reporter(env);
    for (const auto& [number, text] : table) {
        ui.expectMsgBox(msgbox::Ok);
        EXPECT_EQ(reporter.report(QStringLiteral("Form_Load"), runtime::Error(number)), Resume::Leave) << number;
        EXPECT_EQ(boxes().last(), text + QStringLiteral("|0|Tool"));
    }
}

TEST_F(ReportErrorTest, BatchVariantAsksTheQuestionForRegistryCorruption)
{
    int before = 0;
    ReportError batch(env, {.registryCorruptBox = false, .beforeQuestion = [&] {
                                EXPECT_TRUE(ui.records().isEmpty()) << "runs before the question";
                                ++before;
                            }});
    ui.expectMsgBox(msgbox::Ignore);
    EXPECT_EQ(batch.report(QStringLiteral("GetBatchSettings"), runtime::Error(1009, QStringLiteral("corrupt"))),
              Resume::Next);
    EXPECT_EQ(boxes(), QStringList{QStringLiteral("Error#1009 Location: GetBatchSettings\r\nDescription: corrupt\r\n"
                                                  "How do you want to continue?|50|Error")});
    EXPECT_EQ(before, 1);

    // The plain boxes stay plain, and show no main window first.
    ui.expectMsgBox(msgbox::Ok);
    EXPECT_EQ(batch.report(QStringLiteral("Load_Form"), runtime::Error(1011)), Resume::Leave);
    EXPECT_EQ(before, 1);
}

TEST_F(ReportErrorTest, QuestionAnswersBecomeRetryNextOrTheEnd)
{
    ReportError reporter(env);
    const runtime::Error error(runtime::err::PermissionDenied);
    ui.expectMsgBox(msgbox::Retry);
    EXPECT_EQ(reporter.report(QStringLiteral("Purgeall"), error), Resume::Retry);
    ui.expectMsgBox(msgbox::Ignore);
    EXPECT_EQ(reporter.report(QStringLiteral("Purgeall"), error), Resume::Next);
    ui.expectMsgBox(msgbox::Abort);
    EXPECT_THROW(reporter.report(QStringLiteral("Purgeall"), error), runtime::ProgramEnd);
    EXPECT_EQ(boxes(), QStringList(3, Question + QStringLiteral("|50|Error")));
}

TEST_F(ReportErrorTest, HostNotRunningEndsTheStandardTools)
{
    ReportError reporter(env);
    ui.expectMsgBox(msgbox::Ok);
    EXPECT_THROW(reporter.report(QStringLiteral("AcadProj_Object"), runtime::Error(429)), runtime::ProgramEnd);
    EXPECT_EQ(boxes(), QStringList{QStringLiteral("Autocad Not Running\r\nDescription: ActiveX component can't "
                                                  "create object|16|Error# 429")});
}

class HostStartTest : public HostFixture {
protected:
    HostStartTest()
    {
        hosts.unregisterRunning(cad::HostClassName);
        staleDocument = host->addDocument();
        conn = {host, staleDocument};
    }

    // `thenBox`: a further box the report is expected to show after the answer.
    Resume reportNotRunning(int answer, const QString& thenBox = {})
    {
        ReportError batch(env, {.registryCorruptBox = false, .startHostInto = &conn, .beforeQuestion = {}});
        ui.expectMsgBox(msgbox::Ok, QStringLiteral("Autocad Not Running"));
        ui.expectMsgBox(answer);
        if (!thenBox.isEmpty())
            ui.expectMsgBox(msgbox::Ok, thenBox);
        return batch.report(QStringLiteral("AcadProj"), runtime::Error(429));
    }

    std::shared_ptr<standin::Document> staleDocument;
    AcadConnection conn;
};

TEST_F(HostStartTest, NoEndsTheProgram)
{
    EXPECT_THROW(reportNotRunning(msgbox::No), runtime::ProgramEnd);
    EXPECT_EQ(boxes().last(), QStringLiteral("Open AutoCAD To Continue|4|Tool"));
}

TEST_F(HostStartTest, YesStartsAHostAndAttachesItsDrawing)
{
    std::shared_ptr<standin::Host> started;
    hosts.registerFactory(cad::HostClassName, [&] {
        started = standin::Host::create(files);
        started->addDocument();
        return started;
    });
    EXPECT_EQ(reportNotRunning(msgbox::Yes), Resume::Leave);
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(conn.application, started);
    EXPECT_EQ(conn.document, started->active());
    EXPECT_TRUE(hosts.isRunning(cad::HostClassName));
    EXPECT_EQ(clock.doEventsCalls(), 1);
}

TEST_F(HostStartTest, YesWithAHostThatFailsToStartKeepsTheReferences)
{
    hosts.registerFactory(cad::HostClassName,
                          []() -> std::shared_ptr<cad::Application> { runtime::raise(runtime::err::FileNotFound); });
    EXPECT_EQ(reportNotRunning(msgbox::Yes, ReportError::HostNotStarted), Resume::Leave);
    EXPECT_EQ(conn.application, host);
    EXPECT_EQ(conn.document, staleDocument);
    EXPECT_EQ(ui.last().style, msgbox::Exclamation);

    // No factory at all: the same, said as plainly.
    hosts.unregisterFactory(cad::HostClassName);
    EXPECT_EQ(reportNotRunning(msgbox::Yes, ReportError::HostNotStarted), Resume::Leave);
    EXPECT_EQ(conn.document, staleDocument);
    EXPECT_EQ(clock.doEventsCalls(), 0);
}

// The steps of a procedure under the reporter's answers.
class StepRunnerTest : public HostFixture {
protected:
    ReportError reporter{env};
    QStringList ran;

    std::function<void()> step(const QString& name, int failures = 0)
    {
        auto left = std::make_shared<int>(failures);
        return [this, name, left] {
            ran.append(name);
            if ((*left)-- > 0)
                runtime::raise(runtime::err::PathNotFound);
        };
    }

    bool run(int firstFailures)
    {
        return runProcedure(reporter.at(QStringLiteral("batchlist")), [&](StepRunner& s) {
            s(step(QStringLiteral("a"), firstFailures));
            s(step(QStringLiteral("b")));
        });
    }
};

TEST_F(StepRunnerTest, RetryOnAPersistingErrorAsksEachTimeUntilIgnore)
{
    ui.expectMsgBox(msgbox::Retry, QStringLiteral("Error#76 Location: batchlist"));
    ui.expectMsgBox(msgbox::Retry);
    ui.expectMsgBox(msgbox::Ignore);
    EXPECT_TRUE(run(99));
    EXPECT_EQ(ran, QStringList({"a", "a", "a", "b"}));
}

TEST_F(StepRunnerTest, RetryOnAPersistingErrorEndsOnAbort)
{
    ui.expectMsgBox(msgbox::Retry);
    ui.expectMsgBox(msgbox::Abort);
    EXPECT_THROW(run(99), runtime::ProgramEnd);
    EXPECT_EQ(ran, QStringList({"a", "a"}));
}

TEST_F(StepRunnerTest, RetryThatSucceedsGoesOn)
{
    ui.expectMsgBox(msgbox::Retry);
    EXPECT_TRUE(run(1));
    EXPECT_EQ(ran, QStringList({"a", "a", "b"}));
}

TEST_F(StepRunnerTest, PlainBoxLeavesTheProcedure)
{
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Bad Key Name"));
    EXPECT_FALSE(runProcedure(reporter.at(QStringLiteral("GetIcons")), [&](StepRunner& s) {
        s([] { runtime::raise(1010); });
        s(step(QStringLiteral("never")));
    }));
    EXPECT_TRUE(ran.isEmpty());
}

TEST_F(StepRunnerTest, SkipModeRemembersTheLastErrorUntilCleared)
{
    StepRunner s(reporter.at(QStringLiteral("unused")));
    s.setSkipErrors(true);
    s([] { runtime::raise(runtime::err::FileNotFound); });
    s([] { runtime::raise(runtime::err::PathNotFound); });
    s(step(QStringLiteral("ok")));
    EXPECT_EQ(s.lastErrorNumber(), runtime::err::PathNotFound);
    s.clearError();
    EXPECT_EQ(s.lastErrorNumber(), 0);
    EXPECT_FALSE(s.lastError().has_value());
    EXPECT_EQ(ran, QStringList{"ok"});
    EXPECT_TRUE(ui.records().isEmpty());
    // Only run-time errors are steps' errors; anything else passes through.
    EXPECT_THROW(s([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST_F(ReportErrorTest, AppErrorShowsLocationHexAndDecimalNumberAndDescription)
{
    ui.expectMsgBox(forms::msgbox::Ok);
    showAppError(ui, QStringLiteral("Form_Load"), runtime::Error(429));
    EXPECT_EQ(boxes().last(), QStringLiteral("Location:\t\tForm_Load\r\nSource:\t\t1ADh   (429)\r\n"
                                             "Description:\tActiveX component can't create object|16|App Error"));
    EXPECT_EQ(appErrorText(QStringLiteral("GetFromList"), runtime::Error(-2145320928, QStringLiteral("no point"))),
              QStringLiteral("Location:\t\tGetFromList\r\nSource:\t\t80210020h   (-2145320928)\r\nDescription:\tno point"));
}

TEST_F(ReportErrorTest, ErrorNumberBoxIsOneLineInTheToolsStyleUnderTheProgramsTitle)
{
    ui.expectMsgBox(msgbox::Ok);
    showErrorNumber(ui, runtime::Error(-2147352567, QStringLiteral("Exception occurred.")), msgbox::OkOnly);
    ui.expectMsgBox(msgbox::Ok);
    showErrorNumber(ui, runtime::Error(13), msgbox::Critical);
    EXPECT_EQ(boxes(), (QStringList{"-2147352567  Description:  Exception occurred.|0|Tool",
                                    "13  Description:  Type mismatch|16|Tool"}));
}
