#include "HostFixture.h"
#include "ToolVariants.h"

#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "shared/AcadConnection.h"
#include "shared/AcadProj.h"
#include "shared/ReportError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

using namespace suite;
using suite::test::HostFixture;
using suite::test::attachVariant;
namespace msgbox = forms::msgbox;

namespace {

enum class Outcome { End, Unload, CarryOn, Report };

struct Reaction {
    const char* tool;
    QStringList boxes;  // "text|style|caption"
    Outcome outcome;
    const char* location = "";
};

const QString NotRunning = QStringLiteral("AutoCad Not Running|16|Tool");
const QString WarnPlain = QStringLiteral("Warning!!! AutoCad Not Running...|0|Tool");
const QString WarnCritical = QStringLiteral("Warning!!! AutoCad Not Running...|16|Tool");

const QList<Reaction> reactions = {
    {"Mervane", {NotRunning}, Outcome::Unload},
    {"Pollent", {}, Outcome::Report, "AcadProj"},
    {"Drossel", {NotRunning}, Outcome::End},
    {"Sections", {NotRunning}, Outcome::End},
    {"Kandrel", {NotRunning}, Outcome::Unload},
    {"Fentrow", {WarnPlain}, Outcome::CarryOn},
    {"Brindok", {NotRunning}, Outcome::End},
    {"Wexmoor", {}, Outcome::Report, "AcadProj_Object"},
    {"Tarvo", {NotRunning}, Outcome::CarryOn},
    {"Lunvik", {NotRunning}, Outcome::End},
    {"Orbessa", {WarnPlain}, Outcome::End},
    {"Pemmit", {NotRunning}, Outcome::Unload},
    {"Stavrin", {}, Outcome::Report, "Location Of Error"},
    {"Sodrin", {WarnCritical}, Outcome::End},
    {"Ploven", {WarnCritical, QStringLiteral("Warning!!! Try Running AutoCad Again...|16|Tool")}, Outcome::End},
};

// Runs acadProj as a handler would; true when it ended the program.
bool ends(const std::function<void()>& call)
{
    try {
        call();
    } catch (const runtime::ProgramEnd&) {
        return true;
    }
    return false;
}

}  // namespace

using AcadProjAttach = HostFixture;

TEST_F(AcadProjAttach, FetchesTheRunningHostAndItsActiveDrawing)
{
    const auto drawing = host->addDocument();
    AcadConnection conn;
    EXPECT_TRUE(acadProj(env, conn, attachVariant(QStringLiteral("drossel"))));
    EXPECT_EQ(conn.application, host);
    EXPECT_EQ(conn.document, drawing);
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(AcadProjAttach, ReattachFollowsTheDrawingTheUserSwitchedTo)
{
    const auto first = host->addDocument();
    const auto second = host->addDocument();
    ASSERT_FALSE(host->singleDocument());
    AcadConnection conn;
    ASSERT_TRUE(acadProj(env, conn, attachVariant(QStringLiteral("Pemmit"))));
    EXPECT_EQ(conn.document, second);
    first->activate();
    ASSERT_TRUE(acadProj(env, conn, attachVariant(QStringLiteral("Pemmit"))));
    EXPECT_EQ(conn.document, first);
}

TEST_F(AcadProjAttach, HostWithoutDrawingReplacesTheApplicationAndKeepsTheOldDocument)
{
    auto otherHost = standin::Host::create(files);
    const auto stale = otherHost->addDocument();
    AcadConnection conn{otherHost, stale};
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    EXPECT_FALSE(acadProj(env, conn, attachVariant(QStringLiteral("Tarvo"))));
    EXPECT_EQ(conn.application, host);
    EXPECT_EQ(conn.document, stale);
}

TEST_F(AcadProjAttach, EveryToolReactsToAFailedAttachAsItsVariantSays)
{
    hosts.unregisterRunning(cad::HostClassName);
    auto staleHost = standin::Host::create(files);
    const auto staleDrawing = staleHost->addDocument();

    for (const Reaction& expected : reactions) {
        SCOPED_TRACE(expected.tool);
        ui.clearRecords();
        for (qsizetype i = 0; i < expected.boxes.size(); ++i)
            ui.expectMsgBox(msgbox::Ok);
        int unloads = 0;
        QStringList reported;
        AttachHooks hooks;
        hooks.unload = [&] { ++unloads; };
        hooks.report = [&](const QString& location, const runtime::Error& e) {
            reported.append(location + u'|' + QString::number(e.number()));
            return Resume::Leave;
        };
        AcadConnection conn{staleHost, staleDrawing};
        bool attached = false;
        const bool ended = ends([&] {
            attached = acadProj(env, conn, attachVariant(QLatin1String(expected.tool)), hooks);
        });

        EXPECT_EQ(boxes(), expected.boxes);
        EXPECT_EQ(ended, expected.outcome == Outcome::End);
        EXPECT_FALSE(attached);
        EXPECT_EQ(unloads, expected.outcome == Outcome::Unload ? 1 : 0);
        EXPECT_EQ(reported, expected.outcome == Outcome::Report
                                ? QStringList{QLatin1String(expected.location) + QStringLiteral("|429")}
                                : QStringList{});
        EXPECT_EQ(conn.application, staleHost);
        EXPECT_EQ(conn.document, staleDrawing);
        EXPECT_FALSE(conn.reportingFailure);
    }

    // A tool that carries on from start-up holds nothing at all.
    AcadConnection empty;
    ui.expectMsgBox(msgbox::Ok);
    EXPECT_FALSE(acadProj(env, empty, attachVariant(QStringLiteral("Fentrow"))));
    EXPECT_EQ(empty.application, nullptr);
    EXPECT_EQ(empty.document, nullptr);
}

TEST_F(AcadProjAttach, ReportedFailureRetriedAfterADrawingIsOpenedAttaches)
{
    ReportError reporter(env);
    AttachHooks hooks;
    hooks.report = [&](const QString& location, const runtime::Error& e) { return reporter.report(location, e); };
    ui.expectMsgBox(msgbox::Retry, QStringLiteral("Error#-2147352567 Location: Location Of Error\r\n"));
    std::shared_ptr<standin::Document> opened;
    ui.setWhileBoxShown([&](const auto&) { opened = host->addDocument(); });
    AcadConnection conn;
    EXPECT_TRUE(acadProj(env, conn, attachVariant(QStringLiteral("Stavrin")), hooks));
    EXPECT_EQ(conn.document, opened);
    EXPECT_EQ(ui.records().size(), 1);
}

// A re-attach that comes while the failure box of an earlier one is still up
// (a timer tick, a click) shows nothing; once the box is gone, the next failure
// is shown again.
TEST_F(AcadProjAttach, FailureBoxesDoNotPileUpWhileOneIsOpen)
{
    hosts.unregisterRunning(cad::HostClassName);
    ReportError reporter(env);
    for (const char* tool : {"Pemmit", "Drossel", "Wexmoor"}) {
        SCOPED_TRACE(tool);
        const AttachVariant& variant = attachVariant(QLatin1String(tool));
        AcadConnection conn;
        int unloads = 0;
        AttachHooks hooks;
        hooks.unload = [&] { ++unloads; };
        hooks.report = [&](const QString& location, const runtime::Error& e) { return reporter.report(location, e); };
        forms::Timer timer(dispatcher);
        timer.setEnabled(false);
        timer.setInterval(100);
        timer.setHandler([&] { acadProj(env, conn, variant, hooks); });

        int nested = 0;
        ui.setWhileBoxShown([&](const auto&) {
            ++nested;
            EXPECT_FALSE(acadProj(env, conn, variant, hooks));
            timer.setEnabled(true);
            timer.fire();
            timer.setEnabled(false);
        });
        for (int round = 0; round < 2; ++round) {
            ui.clearRecords();
            ui.expectMsgBox(msgbox::Ok);
            ends([&] { acadProj(env, conn, variant, hooks); });
            EXPECT_EQ(ui.records().size(), 1);
            EXPECT_FALSE(conn.reportingFailure);
        }
        EXPECT_EQ(nested, 2);
        EXPECT_EQ(unloads, variant.then == AttachVariant::Then::Unload ? 2 : 0);
        ui.setWhileBoxShown({});
    }
    EXPECT_FALSE(dispatcher.ended());
}

namespace {

// A tool window as the timer tools build theirs: it attaches on load and again
// on every tick; its unload handler ends the program.
class TimerTool : public forms::Form {
public:
    TimerTool(env::Environment& env, const QString& tool)
        : forms::Form(*env.dispatcher), Timer1(new forms::Timer(dispatcher(), this)), env_(env),
          variant_(attachVariant(tool))
    {
        Timer1->setInterval(100);
        Timer1->setHandler([this] { AcadProj(); });
    }

    void Form_Load() override { AcadProj(); }
    void Form_Unload(bool&) override { runtime::endProgram(); }
    const AcadConnection& connection() const { return conn_; }

    forms::Timer* Timer1;

private:
    void AcadProj()
    {
        AttachHooks hooks;
        hooks.unload = [this] { close(); };
        acadProj(env_, conn_, variant_, hooks);
    }

    env::Environment& env_;
    const AttachVariant& variant_;
    AcadConnection conn_;
};

bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace

class TimerToolTest : public HostFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(TimerToolTest, FollowsTheActiveDrawingAndReactsWhenTheHostIsGone)
{
    const auto first = host->addDocument();
    const auto second = host->addDocument();
    TimerTool tool(env, QLatin1String(GetParam()));
    tool.show();
    dispatcher.run([&] { tool.load(); });
    EXPECT_EQ(tool.connection().document, second);

    first->activate();
    EXPECT_TRUE(waitUntil([&] { return tool.connection().document == first; }));

    ui.expectMsgBox(msgbox::Ok);
    hosts.unregisterRunning(cad::HostClassName);
    EXPECT_TRUE(waitUntil([&] { return dispatcher.ended(); }));
    EXPECT_EQ(boxes(), QStringList{NotRunning});
    EXPECT_FALSE(tool.isVisible());
    EXPECT_EQ(tool.connection().document, first);
}

INSTANTIATE_TEST_SUITE_P(EndingAndUnloading, TimerToolTest, ::testing::Values("Drossel", "Pemmit"));
