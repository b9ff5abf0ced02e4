// The clocks, the program object and program end.
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/ManualClock.h"
#include "platform/runtime/Program.h"
#include "platform/runtime/SystemClock.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <gtest/gtest.h>

using namespace runtime;

TEST(ManualClock, TimeMovesOnlyByAdvanceAndSleep)
{
    ManualClock clock(1000);
    EXPECT_EQ(clock.nowMs(), 1000);
    EXPECT_EQ(clock.nowMs(), 1000);
    clock.advance(100);
    clock.sleepMs(50);
    EXPECT_EQ(clock.nowMs(), 1150);
    clock.advance(-500);
    clock.sleepMs(-1);
    EXPECT_EQ(clock.nowMs(), 1150);
}

TEST(ManualClock, DoEventsCountsAndRunsTheHook)
{
    ManualClock clock;
    clock.doEvents();
    EXPECT_EQ(clock.doEventsCalls(), 1);

    // A polling loop that waits for a flag set by "user events" ends.
    bool cancelled = false;
    clock.setDoEventsHook([&] {
        if (clock.doEventsCalls() == 4)
            cancelled = true;
    });
    while (!cancelled) {
        clock.doEvents();
        clock.sleepMs(10);
    }
    EXPECT_EQ(clock.doEventsCalls(), 4);
    EXPECT_EQ(clock.nowMs(), 30);

    clock.setDoEventsHook(nullptr);
    clock.doEvents();
    EXPECT_EQ(clock.doEventsCalls(), 5);
}

TEST(SystemClock, SleepsAndDeliversPendingEvents)
{
    SystemClock clock;
    Clock& asClock = clock;
    const qint64 before = asClock.nowMs();
    asClock.sleepMs(20);
    EXPECT_GE(asClock.nowMs() - before, 20);
    asClock.sleepMs(0);

    bool delivered = false;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { delivered = true; }, Qt::QueuedConnection);
    EXPECT_FALSE(delivered);
    asClock.doEvents();
    EXPECT_TRUE(delivered);
}

TEST(Program, FileJoinsWithBackslash)
{
    Program program{QStringLiteral("Conversion"), QStringLiteral("C:\\Tarvo"), QStringLiteral("conversion.exe"), 1, 0, 3};
    EXPECT_EQ(program.file(QStringLiteral("Project.txt")), "C:\\Tarvo\\Project.txt");
    // A drive root already ends in a separator and does not get a second one.
    program.path = QStringLiteral("C:\\");
    EXPECT_EQ(program.file(QStringLiteral("Project.txt")), "C:\\Project.txt");
    program.path = QStringLiteral("/opt/tarvo/");
    EXPECT_EQ(program.file(QStringLiteral("Fentrow.ini")), "/opt/tarvo/Fentrow.ini");
}

TEST(Program, OwnFileIsTheExecutableAsFoundEvenInADriveRoot)
{
    Program program{QStringLiteral("Unbaloor"), QStringLiteral("C:\\"), QStringLiteral("Setup.exe"), 1, 0, 0};
    EXPECT_EQ(program.ownFile(), "C:\\Setup.exe");
    // A host program has no extension, and its title plays no part.
    program.path = QStringLiteral("/opt/tarvo");
    program.exeName = QStringLiteral("unbalo");
    EXPECT_EQ(program.ownFile(), "/opt/tarvo\\unbalo");
}

TEST(EndProgram, ThrowsProgramEndWithTheCode)
{
    try {
        endProgram(3);
        FAIL() << "endProgram returned";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.exitCode, 3);
    }
    EXPECT_THROW(endProgram(), ProgramEnd);
}
