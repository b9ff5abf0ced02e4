#include "launchers/ploven/LispFolder.h"
#include "launchers/ploven/LoadExpression.h"

#include <QString>
#include <gtest/gtest.h>
#include <optional>

using ploven::LispFolder;
using ploven::LoadExpression;

namespace {

// The path (load "...") names, read as AutoLISP reads a string: a backslash
// starts an escape ("\\", "\"", "\n", "\r", "\t", "\e", three octal digits),
// and before any other character it is dropped.
std::optional<QString> loadedPath(const QString& expression)
{
    const QString head = QStringLiteral("(load \"");
    if (!expression.startsWith(head) || !expression.endsWith(QStringLiteral("\")")))
        return std::nullopt;
    const QString body = expression.mid(head.size(), expression.size() - head.size() - 2);
    QString path;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'"')
            return std::nullopt;  // the string would end here
        if (c != u'\\') {
            path += c;
            continue;
        }
        if (++i >= body.size())
            return std::nullopt;
        const QChar e = body[i];
        if (e == u'n') path += u'\n';
        else if (e == u'r') path += u'\r';
        else if (e == u't') path += u'\t';
        else if (e == u'e') path += QChar(27);
        else if (e >= u'0' && e <= u'7' && i + 2 < body.size()) {
            path += QChar(body.mid(i, 3).toInt(nullptr, 8));
            i += 2;
        } else
            path += e;
    }
    return path;
}

}  // namespace

TEST(LoadExpressionTest, EverySpellingOfTheFolderLoadsTheRightFile)
{
    // The default, single backslash.
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(c:\)", "a.lsp")), R"(c:\a.lsp)");
    // As typed, with what would be escapes: \a, \t, \n.
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(c:\acad\tools\new\)", "b.lsp")), R"(c:\acad\tools\new\b.lsp)");
    // As the folder picker writes it, every backslash doubled.
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(d:\\tools\\lisp\\)", "a.lsp")), R"(d:\tools\lisp\a.lsp)");
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(d:\\)", "a.lsp")), R"(d:\a.lsp)");
    // Typed without the closing backslash.
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(c:\lisp)", "a.lsp")), R"(c:\lisp\a.lsp)");
    // A network folder typed as is keeps its leading pair.
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(\\server\lisp\)", "a.lsp")), R"(\\server\lisp\a.lsp)");
}

TEST(LoadExpressionTest, ThePickersSpellingGivesTheExpressionItAlwaysGave)
{
    EXPECT_EQ(LoadExpression::build(R"(d:\\tools\\lisp\\)", "a.lsp"), R"((load "d:\\tools\\lisp\\a.lsp"))");
    EXPECT_EQ(LoadExpression::build(R"(c:\)", "a.lsp"), R"((load "c:\\a.lsp"))");
}

TEST(LoadExpressionTest, QuotesAndLineBreaksInANameStayInsideTheString)
{
    const QString name = QStringLiteral("odd \"name\"\n.lsp");
    EXPECT_EQ(loadedPath(LoadExpression::build(R"(c:\lisp\)", name)), R"(c:\lisp\)" + name);
    EXPECT_FALSE(LoadExpression::build(R"(c:\lisp\)", name).contains(u'\n'));
}

TEST(LispFolderTest, OnlyNamesEndingExactlyInLspOrLSPCount)
{
    for (const char* name : {"a.lsp", "B.LSP", "lsp", "x.mylsp"})
        EXPECT_TRUE(LispFolder::isLispFile(name)) << name;
    for (const char* name : {"c.Lsp", "d.txt", "a.lsp ", "sp", ""})
        EXPECT_FALSE(LispFolder::isLispFile(name)) << name;
}

TEST(LispFolderTest, TheFolderOfEachSpelling)
{
    EXPECT_EQ(LispFolder::folderOf(R"(c:\)"), R"(c:\)");
    EXPECT_EQ(LispFolder::folderOf(R"(c:\\)"), R"(c:\)");
    EXPECT_EQ(LispFolder::folderOf(R"(c:\lisp)"), R"(c:\lisp\)");
    EXPECT_EQ(LispFolder::folderOf(R"(d:\\tools\\lisp\\)"), R"(d:\tools\lisp\)");
    EXPECT_EQ(LispFolder::folderOf(R"(d:\\tools\lisp)"), R"(d:\\tools\lisp\)");
}
