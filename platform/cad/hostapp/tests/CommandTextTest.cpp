// What the command line makes of text: entries, and the AutoLISP it knows.
#include "platform/cad/hostapp/CommandText.h"
#include "platform/cad/hostapp/LispExpression.h"
#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using hostapp::CommandText;
using hostapp::LispExpression;

TEST(CommandTextSplit, EnterLineBreakAndBlankEndEntriesExceptInsideAutoLisp)
{
    const CommandText::Split line = CommandText::split(QStringLiteral("LINE 0,0 5,5  "));
    EXPECT_EQ(line.entries, (QStringList{"LINE", "0,0", "5,5", ""}));
    EXPECT_EQ(line.rest, QString());

    const CommandText::Split lisp = CommandText::split(QStringLiteral("(load \"C:\\\\My Lisp\\\\a (1).lsp\")\r\nXREF\r"));
    EXPECT_EQ(lisp.entries, (QStringList{"(load \"C:\\\\My Lisp\\\\a (1).lsp\")", "XREF"}));

    const CommandText::Split nested = CommandText::split(QStringLiteral("(princ (strcat \"a) b\" \"\\\"\"))\r"));
    EXPECT_EQ(nested.entries, QStringList{QStringLiteral("(princ (strcat \"a) b\" \"\\\"\"))")});

    // Without its Enter the text stays typed.
    const CommandText::Split unfinished = CommandText::split(QStringLiteral("CIRCLE\rLIN"));
    EXPECT_EQ(unfinished.entries, QStringList{QStringLiteral("CIRCLE")});
    EXPECT_EQ(unfinished.rest, QStringLiteral("LIN"));
}

class Lisp : public ::testing::Test {
protected:
    Lisp() : fs(table())
    {
        fs.makeFolder(QStringLiteral("C:\\Work"));
        fs.makeFolder(QStringLiteral("C:\\Support"));
        fs.makeFolder(QStringLiteral("C:\\My Lisp"));
        fs.writeText(QStringLiteral("C:\\Support\\tools.lsp"), QStringLiteral("(defun c:x () 1)"));
        fs.writeText(QStringLiteral("C:\\My Lisp\\a (1).lsp"), QStringLiteral("(defun c:y () 1)"));
    }
    files::DriveTable table() const
    {
        QDir(temp.path()).mkpath(QStringLiteral("c"));
        files::DriveTable drives;
        drives.map(QStringLiteral("C"), temp.path() + QStringLiteral("/c"));
        return drives;
    }
    QString run(const QString& expression) const { return LispExpression::evaluate(expression, fs, folders); }

    QTemporaryDir temp;
    files::FileSystem fs;
    const QStringList folders{QStringLiteral("C:\\Work"), QStringLiteral("C:\\Support")};
};

TEST_F(Lisp, LoadNamesTheFileItFindsOrTheError)
{
    EXPECT_EQ(run(QStringLiteral("(load \"C:\\\\My Lisp\\\\a (1).lsp\")")), QStringLiteral("Loading C:\\My Lisp\\a (1).lsp"));
    EXPECT_EQ(run(QStringLiteral("(LOAD \"C:/My Lisp/a (1)\")")), QStringLiteral("Loading C:\\My Lisp\\a (1).lsp"));
    // A bare name is looked for along the folders; ".lsp" is added.
    EXPECT_EQ(run(QStringLiteral("(load \"tools\")")), QStringLiteral("Loading C:\\Support\\tools.lsp"));
    EXPECT_EQ(run(QStringLiteral("(load \"missing.lsp\" nil)")), QStringLiteral("; error: LOAD failed: \"missing.lsp\""));
    EXPECT_EQ(run(QStringLiteral("(load \"C:\\\\Work\\\\tools.lsp\")")),
              QStringLiteral("; error: LOAD failed: \"C:\\Work\\tools.lsp\""));
}

TEST_F(Lisp, OtherExpressionsAreErrorsOfTheirOwn)
{
    EXPECT_EQ(run(QStringLiteral("(princ \"x\")")), QStringLiteral("; error: no function definition: PRINC"));
    EXPECT_EQ(run(QStringLiteral("(load \"tools\"")), QStringLiteral("; error: malformed list on input"));
    EXPECT_EQ(run(QStringLiteral("(load \"tools)")), QStringLiteral("; error: malformed list on input"));
    EXPECT_EQ(run(QStringLiteral("(load tools)")), QStringLiteral("; error: bad argument type: stringp nil"));
    EXPECT_EQ(run(QStringLiteral("()")), QStringLiteral("; error: malformed list on input"));
}
