#include "platform/shell/ExplorerCommand.h"

#include <gtest/gtest.h>

using shell::ExplorerCommand;

namespace {
QString folder(const QString& line) { return ExplorerCommand::folderOf(line).value_or(QStringLiteral("<none>")); }
}  // namespace

TEST(ExplorerCommandTest, TheFolderIsTakenWholeWithItsBlanksAndCommas)
{
    EXPECT_EQ(folder(R"(explorer.exe /e, C:\Jobs)"), R"(C:\Jobs)");
    EXPECT_EQ(folder(R"(explorer.exe /e, C:\Program Files\Site 12)"), R"(C:\Program Files\Site 12)");
    EXPECT_EQ(folder(R"(explorer.exe /e, C:\Jobs, old\Site  12\)"), R"(C:\Jobs, old\Site  12\)");
    EXPECT_EQ(folder(R"(explorer.exe /e, "C:\Program Files")"), R"(C:\Program Files)");
    // A quote inside the folder is the folder's own.
    EXPECT_EQ(folder(R"(explorer.exe /e, C:\a "b" c)"), R"(C:\a "b" c)");
}

TEST(ExplorerCommandTest, SwitchesAndSpellingsOfTheProgram)
{
    EXPECT_EQ(folder("explorer.exe /e, "), "");
    EXPECT_EQ(folder("explorer.exe"), "");
    EXPECT_EQ(folder(R"(EXPLORER /E,/n, D:\)"), R"(D:\)");
    EXPECT_EQ(folder(R"(c:\winnt\Explorer.exe /e,C:\x)"), R"(C:\x)");
    EXPECT_EQ(folder(R"("c:\my windows\explorer.exe" /e, C:\x)"), R"(C:\x)");
}

TEST(ExplorerCommandTest, OtherProgramsAreNotTheFileManager)
{
    EXPECT_EQ(folder(R"(c:\Program Files\Autocad 2002\Acad.exe)"), "<none>");
    EXPECT_EQ(folder(R"(explorer2.exe /e, C:\x)"), "<none>");
    EXPECT_EQ(folder(R"(explorer.exe/e, C:\x)"), "<none>");
    EXPECT_EQ(folder(R"("explorer.exe /e, C:\x)"), "<none>");
    EXPECT_EQ(folder(""), "<none>");
}
