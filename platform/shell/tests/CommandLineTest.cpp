#include "platform/runtime/Error.h"
#include "platform/shell/CommandLine.h"
#include "platform/testing/ErrorOf.h"

#include <QSet>
#include <gtest/gtest.h>

using shell::CommandLine;

namespace {

// A locator over a fixed set of existing programs that notes every candidate.
struct FakePrograms {
    QSet<QString> existing;
    QStringList tried;

    CommandLine parse(const QString& line)
    {
        return CommandLine::parse(line, [this](const QString& candidate) {
            tried.append(candidate);
            return existing.contains(candidate) ? QStringLiteral("host:") + candidate : QString();
        });
    }
};

int errorNumberOf(FakePrograms& programs, const QString& line)
{
    return testing_env::errorOf([&] { programs.parse(line); });
}

}  // namespace

TEST(CommandLineTest, QuotedFirstTokenIsTheProgramAsItStands)
{
    FakePrograms programs{{QStringLiteral(R"(c:\Program Files\x\draft.exe)"), QStringLiteral(R"(c:\Program)")}, {}};
    const CommandLine c = programs.parse(QStringLiteral(R"(  "c:\Program Files\x\draft.exe"   /p  "my profile")"));
    EXPECT_EQ(c.programText, QStringLiteral(R"(c:\Program Files\x\draft.exe)"));
    EXPECT_EQ(c.program, QStringLiteral(R"(host:c:\Program Files\x\draft.exe)"));
    EXPECT_EQ(c.argumentText, QStringLiteral(R"(/p  "my profile")"));
    EXPECT_EQ(c.arguments(), (QStringList{QStringLiteral("/p"), QStringLiteral("my profile")}));

    // A quoted program that is missing is not searched for among its prefixes.
    programs.existing.remove(QStringLiteral(R"(c:\Program Files\x\draft.exe)"));
    EXPECT_EQ(errorNumberOf(programs, QStringLiteral(R"("c:\Program Files\x\draft.exe" /p)")), 53);

    // An unclosed quote runs to the end of the line.
    programs.existing.insert(QStringLiteral(R"(c:\a b\prog.exe)"));
    const CommandLine unclosed = programs.parse(QStringLiteral(R"("c:\a b\prog.exe)"));
    EXPECT_EQ(unclosed.programText, QStringLiteral(R"(c:\a b\prog.exe)"));
    EXPECT_TRUE(unclosed.argumentText.isEmpty());
}

TEST(CommandLineTest, UnquotedPathWithBlanksIsFoundLongestPrefixFirst)
{
    FakePrograms programs{{QStringLiteral(R"(c:\Program Files\Draft 2002\Draft.exe)"),
                           QStringLiteral(R"(c:\Program)")},
                          {}};
    const CommandLine whole = programs.parse(QStringLiteral(R"(c:\Program Files\Draft 2002\Draft.exe)"));
    EXPECT_EQ(whole.programText, QStringLiteral(R"(c:\Program Files\Draft 2002\Draft.exe)"));
    EXPECT_TRUE(whole.argumentText.isEmpty());

    // With arguments behind it, the stray "c:\Program" must not capture the start.
    const CommandLine withArgs = programs.parse(QStringLiteral(R"(c:\Program Files\Draft 2002\Draft.exe /p x)"));
    EXPECT_EQ(withArgs.programText, QStringLiteral(R"(c:\Program Files\Draft 2002\Draft.exe)"));
    EXPECT_EQ(withArgs.argumentText, QStringLiteral("/p x"));
}

TEST(CommandLineTest, ShorterPrefixTakenWhenLongerOnesAreNoPrograms)
{
    FakePrograms programs{{QStringLiteral("explorer.exe")}, {}};
    const CommandLine c = programs.parse(QStringLiteral(R"(explorer.exe /e, c:\My Drawings\Job 12)"));
    EXPECT_EQ(c.programText, QStringLiteral("explorer.exe"));
    EXPECT_EQ(c.argumentText, QStringLiteral(R"(/e, c:\My Drawings\Job 12)"));
    // Longest first: the whole line, then before each run of blanks, from the right.
    EXPECT_EQ(programs.tried.first(), QStringLiteral(R"(explorer.exe /e, c:\My Drawings\Job 12)"));
    EXPECT_EQ(programs.tried.last(), QStringLiteral("explorer.exe"));
    // Runs of blanks give one candidate, not one per blank.
    EXPECT_EQ(programs.parse(QStringLiteral("explorer.exe    a   b")).arguments(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(CommandLineTest, BareNameIsAlsoTriedWithExe)
{
    FakePrograms programs{{QStringLiteral(R"(c:\tarvo\fly.exe)")}, {}};
    EXPECT_EQ(programs.parse(QStringLiteral(R"(c:\tarvo\fly)")).program, QStringLiteral(R"(host:c:\tarvo\fly.exe)"));
    // A name with an extension of its own gets no ".exe".
    EXPECT_EQ(errorNumberOf(programs, QStringLiteral(R"(c:\tarvo\fly.bat)")), 53);
    // A dot in a folder name is no extension of the file.
    programs.existing.insert(QStringLiteral(R"(c:\v1.2\run.exe)"));
    EXPECT_EQ(programs.parse(QStringLiteral(R"(c:\v1.2\run)")).programText, QStringLiteral(R"(c:\v1.2\run)"));
}

TEST(CommandLineTest, MissingProgramIs53AndEmptyLineIs5)
{
    FakePrograms programs;
    EXPECT_EQ(errorNumberOf(programs, QStringLiteral(R"(c:\Winnt\system32\notepad.exe)")), 53);
    EXPECT_EQ(errorNumberOf(programs, QStringLiteral(R"("")")), 53);
    EXPECT_EQ(errorNumberOf(programs, QString()), 5);
    EXPECT_EQ(errorNumberOf(programs, QStringLiteral(" \t ")), 5);
}
