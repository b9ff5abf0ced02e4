#include "PlovenFixture.h"

#include "launchers/ploven/LispFolder.h"
#include "platform/cad/CadErrors.h"

#include <QDir>
#include <QFile>

namespace ploven::test {

TEST_F(PlovenTest, TheListHoldsTheFoldersNamesEndingInLspOrLSP)
{
    makeFiles(R"(C:\Lisp)", {"a.lsp", "B.LSP", "c.Lsp", "d.txt"});
    makeFiles(R"(C:\Lisp\e.lsp)", {});
    storeLocation(R"(C:\Lisp\)");
    start();

    EXPECT_EQ(listed(), (QStringList{"a.lsp", "B.LSP"}));
    EXPECT_EQ(form.caption(), "Ploven (Tarvo Solutions)");
    EXPECT_EQ(list().toolTip(), "Right Click For Settings");
    EXPECT_FALSE(list().item(0)->icon().isNull());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(PlovenTest, EverySpellingOfTheFolderListsItsFiles)
{
    makeFiles(R"(C:\Lisp\Tools)", {"a.lsp"});
    for (const char* location : {R"(C:\Lisp\Tools\)", R"(C:\\Lisp\\Tools\\)", R"(C:\Lisp\Tools)", R"(c:\lisp\tools)"}) {
        module.Location = location;
        form.FillLispList();
        EXPECT_EQ(listed(), QStringList{"a.lsp"}) << location;
    }
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(PlovenTest, AFolderMissingOrWithoutFilesIsWarnedOf)
{
    makeFiles(R"(C:\Empty)", {});
    makeFiles(R"(C:\Folders\Sub)", {});
    makeFiles(R"(C:\Text)", {"notes.txt"});
    // c:\ itself holds only folders.
    t.ui().expectMsgBox(forms::msgbox::Ok, "Warning!!! Can't Find Directory Path...");
    start();
    EXPECT_EQ(t.ui().records().size(), 1);
    t.ui().clearRecords();
    for (const char* location : {R"(C:\Missing\)", R"(C:\Empty\)", R"(C:\Folders\)"}) {
        t.ui().expectMsgBox(forms::msgbox::Ok, "Warning!!! Can't Find Directory Path...");
        module.Location = location;
        form.FillLispList();
        EXPECT_EQ(t.ui().last().style, forms::msgbox::Critical) << location;
        EXPECT_TRUE(listed().isEmpty());
    }
    // Files, but none of them AutoLISP: an empty list and no warning.
    t.ui().clearRecords();
    module.Location = R"(C:\Text\)";
    form.FillLispList();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(PlovenTest, LoadSendsTheExpressionWithACarriageReturnAndShowsIt)
{
    makeFiles(R"(C:\acad\tools\new)", {"b.lsp"});
    storeLocation(R"(C:\acad\tools\new\)");
    start();
    select("b.lsp");
    t.ui().expectMsgBox(forms::msgbox::Ok);
    click("CmdLoad");

    const QString expression = R"((load "C:\\acad\\tools\\new\\b.lsp"))";
    EXPECT_EQ(sent(), QStringList{"Document.SendCommand " + expression + "\r"});
    EXPECT_EQ(t.ui().last().text, expression);
    EXPECT_EQ(t.ui().last().style, forms::msgbox::OkOnly);
    EXPECT_EQ(t.ui().last().caption, "PLOVEN~1");
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(PlovenTest, TheDefaultFolderNamesTheFileWithItsOneBackslash)
{
    makeFiles(R"(C:\)", {"a.lsp"});
    start();
    EXPECT_EQ(module.Location, R"(c:\)");
    select("a.lsp");
    t.ui().expectMsgBox(forms::msgbox::Ok);
    click("CmdLoad");
    EXPECT_EQ(t.ui().last().text, R"((load "c:\\a.lsp"))");
}

TEST_F(PlovenTest, ADoubleClickLoadsAndEndsWithoutABox)
{
    makeFiles(R"(C:\Lisp)", {"a.lsp", "b.lsp"});
    storeLocation(R"(C:\\Lisp\\)");
    start();
    select("b.lsp");
    t.dispatcher().run([&] { form.ListAlisp_DblClick(); });

    EXPECT_EQ(sent(), QStringList{R"(Document.SendCommand (load "C:\\Lisp\\b.lsp"))" + QString("\r")});
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_TRUE(t.ui().records().isEmpty());
}

TEST_F(PlovenTest, LoadAndDoubleClickWithNothingSelectedDoNothing)
{
    makeFiles(R"(C:\Empty)", {"notes.txt"});
    storeLocation(R"(C:\Empty\)");
    start();
    click("CmdLoad");
    t.dispatcher().run([&] { form.ListAlisp_DblClick(); });
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_TRUE(t.ui().records().isEmpty());
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(PlovenTest, AFailedSendIsReportedAndNotCalledASuccess)
{
    makeFiles(R"(C:\Lisp)", {"a.lsp"});
    storeLocation(R"(C:\Lisp\)");
    start();
    select("a.lsp");
    host->failures().failNext("Document.SendCommand", cad::err::ExceptionOccurred, "busy");
    t.ui().expectMsgBox(forms::msgbox::Ok, "busy");
    click("CmdLoad");
    EXPECT_EQ(t.ui().records().size(), 1);
    EXPECT_EQ(t.ui().last().style, forms::msgbox::Critical);

    // A double click that could not load leaves the window for another try.
    host->failures().failNext("Document.SendCommand", cad::err::ExceptionOccurred, "busy");
    t.ui().expectMsgBox(forms::msgbox::Ok, "busy");
    t.dispatcher().run([&] { form.ListAlisp_DblClick(); });
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(PlovenTest, AHostGoneSinceTheStartIsReportedOnLoad)
{
    makeFiles(R"(C:\Lisp)", {"a.lsp"});
    storeLocation(R"(C:\Lisp\)");
    start();
    select("a.lsp");
    module.connection().document.reset();
    t.ui().expectMsgBox(forms::msgbox::Ok, "Warning!!!");
    click("CmdLoad");
    EXPECT_FALSE(t.dispatcher().ended());
}

TEST_F(PlovenTest, WithoutTheHostTwoWarningsComeAndTheProgramEnds)
{
    t.stopHost();
    t.ui().expectMsgBox(forms::msgbox::Ok, "Warning!!! AutoCad Not Running...");
    t.ui().expectMsgBox(forms::msgbox::Ok, "Warning!!! Try Running AutoCad Again...");
    start();
    EXPECT_TRUE(t.dispatcher().ended());
    EXPECT_EQ(t.ui().records().size(), 2);
    EXPECT_EQ(t.ui().records()[1].style, forms::msgbox::Critical);
}

TEST_F(PlovenTest, ARightClickOnTheListOffersTheSettings)
{
    makeFiles(R"(C:\)", {"a.lsp"});
    start();
    t.dispatcher().run([&] { form.ListAlisp_MouseDown(1); });
    EXPECT_TRUE(t.ui().records().isEmpty());

    t.ui().expectPopup("Settings");
    t.dispatcher().run([&] { form.ListAlisp_MouseDown(2); });
    EXPECT_EQ(t.ui().last().items, QStringList{"Settings"});
    EXPECT_TRUE(testing_env::control<forms::Form>(form, "Qel_Ploven_Settings").isVisible());
}

TEST_F(PlovenTest, ExitEndsTheProgram)
{
    makeFiles(R"(C:\)", {"a.lsp"});
    start();
    click("CmdExit");
    EXPECT_TRUE(t.dispatcher().ended());
}

TEST_F(PlovenTest, PastTheLimitTheFirstNamesAreListed)
{
    const QString folder = t.drive("C") + "/Many";
    ASSERT_TRUE(QDir().mkpath(folder));
    const int count = LispFolder::MaxNames + 1;
    for (int i = 0; i < count; ++i) {
        QFile file(folder + QStringLiteral("/f%1.lsp").arg(i, 5, 10, QLatin1Char('0')));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    storeLocation(R"(C:\Many\)");
    start();
    EXPECT_EQ(list().count(), LispFolder::MaxNames);
    EXPECT_EQ(list().item(0)->text(), "f00000.lsp");
    EXPECT_EQ(list().item(list().count() - 1)->text(), "f32766.lsp");
    EXPECT_TRUE(t.ui().records().isEmpty());
}

}  // namespace ploven::test
