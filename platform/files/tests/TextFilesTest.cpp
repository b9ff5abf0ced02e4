#include "FilesFixture.h"

using namespace files::test;

class TextFiles : public FilesTest {
protected:
    QStringList linesOf(const QByteArray& bytes)
    {
        put("list.txt", bytes);
        return fs.readLines("C:\\list.txt");
    }
};

TEST_F(TextFiles, LinesEndAtCrLfAndAtBareLineFeeds)
{
    EXPECT_EQ(linesOf("12001\r\n12002\r\n"), (QStringList{"12001", "12002"}));
    EXPECT_EQ(linesOf("12001\r\n12002"), (QStringList{"12001", "12002"}));
    EXPECT_EQ(linesOf("12001\n12002\n"), (QStringList{"12001", "12002"}));
    EXPECT_EQ(linesOf("12001\r12002"), (QStringList{"12001", "12002"}));
    EXPECT_EQ(linesOf(""), QStringList{});
}

TEST_F(TextFiles, EmptyLinesAreLinesButTheLastEndingAddsNone)
{
    EXPECT_EQ(linesOf("\r\n"), QStringList{""});
    EXPECT_EQ(linesOf("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(linesOf("a\r\n\r\n"), (QStringList{"a", ""}));
}

TEST_F(TextFiles, WrittenLinesEachEndWithCrLf)
{
    fs.writeLines("C:\\Project.txt", {"<<Type Project Number>>"});
    EXPECT_EQ(bytesOf("Project.txt"), "<<Type Project Number>>\r\n");
    fs.writeLines("C:\\Project.txt", {"12001", "", "Ärger"});
    EXPECT_EQ(bytesOf("Project.txt"), "12001\r\n\r\n\xC3\x84rger\r\n");
    EXPECT_EQ(fs.readLines("C:\\Project.txt"), (QStringList{"12001", "", "Ärger"}));
    fs.writeLines("C:\\Project.txt", {});
    EXPECT_EQ(bytesOf("Project.txt"), "");
}

TEST_F(TextFiles, TextIsUtf8AndOldLatin1FilesStillRead)
{
    put("utf8.txt", "\xEF\xBB\xBF" "caf\xC3\xA9");
    EXPECT_EQ(fs.readText("C:\\utf8.txt"), "café");
    put("latin1.txt", "caf\xE9\r\n");
    EXPECT_EQ(fs.readLines("C:\\latin1.txt"), QStringList{"café"});
    // A multi-byte sequence cut off at the end is not valid UTF-8 either.
    put("cut.txt", "ab\xC3");
    EXPECT_EQ(fs.readText("C:\\cut.txt"), QString::fromLatin1("ab\xC3"));

    fs.writeText("C:\\out.txt", "café");
    EXPECT_EQ(bytesOf("out.txt"), "caf\xC3\xA9");
}
