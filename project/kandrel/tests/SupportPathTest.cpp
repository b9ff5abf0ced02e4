// The support path rules: the previous project's entry is replaced where it
// stands, whatever its letter case and closing "\", and nothing else is.
#include "project/kandrel/SupportPath.h"

#include <gtest/gtest.h>

using kandrel::SupportPath;

namespace {

QString apply(const char* support, const char* previous, const char* project)
{
    return SupportPath::withProject(QLatin1String(support), QLatin1String(previous), QLatin1String(project));
}

}  // namespace

TEST(SupportPath, FirstUseAddsTheProjectAtTheEnd)
{
    EXPECT_EQ(apply("C:\\Support;C:\\Fonts", "", "P:\\Projects\\1234"),
              QStringLiteral("C:\\Support;C:\\Fonts;P:\\Projects\\1234"));
    // An empty path gets the project alone, not an empty first entry.
    EXPECT_EQ(apply("", "", "P:\\Projects\\1234"), QStringLiteral("P:\\Projects\\1234"));
    // A previous folder the path no longer holds: added as on first use.
    EXPECT_EQ(apply("C:\\Support", "P:\\Projects\\9", "P:\\Projects\\1234"),
              QStringLiteral("C:\\Support;P:\\Projects\\1234"));
}

TEST(SupportPath, ThePreviousFolderIsReplacedInPlaceWhateverItsCaseOrClosingSeparator)
{
    EXPECT_EQ(apply("C:\\Support;P:\\Projects\\12;C:\\Fonts", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("C:\\Support;P:\\Projects\\34;C:\\Fonts"));
    EXPECT_EQ(apply("p:\\PROJECTS\\12;C:\\Support", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("P:\\Projects\\34;C:\\Support"));
    EXPECT_EQ(apply("C:\\Support;P:\\Projects\\12\\", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("C:\\Support;P:\\Projects\\34"));
    EXPECT_EQ(apply("C:\\Support;P:\\Projects\\12", "P:\\Projects\\12\\", "P:\\Projects\\34"),
              QStringLiteral("C:\\Support;P:\\Projects\\34"));
    // Every entry naming it.
    EXPECT_EQ(apply("P:\\Projects\\12;C:\\Support;P:\\projects\\12", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("P:\\Projects\\34;C:\\Support;P:\\Projects\\34"));
}

TEST(SupportPath, NoOtherEntryIsTouched)
{
    // A folder that merely begins with the previous one is another folder.
    EXPECT_EQ(apply("C:\\Support;P:\\Projects\\123", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("C:\\Support;P:\\Projects\\123;P:\\Projects\\34"));
    EXPECT_EQ(apply("P:\\Projects\\12\\Blocks;P:\\Projects\\12", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("P:\\Projects\\12\\Blocks;P:\\Projects\\34"));
    // Empty entries stay where they are.
    EXPECT_EQ(apply("C:\\Support;;P:\\Projects\\12", "P:\\Projects\\12", "P:\\Projects\\34"),
              QStringLiteral("C:\\Support;;P:\\Projects\\34"));
    // A previous folder of only a separator names nothing.
    EXPECT_EQ(apply("C:\\Support;\\", "\\", "P:\\Projects\\34"), QStringLiteral("C:\\Support;\\;P:\\Projects\\34"));
}
