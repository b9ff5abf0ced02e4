// The options form: it shows the option set as it is, keeps its pairs of boxes
// apart while the user ticks them, and applies everything or nothing.
#include "PollentFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace pollent::test {
namespace {

class OptionsFormTest : public PollentTest {
protected:
    OptionsFormTest() { load(); }

    BatchForm3& open()
    {
        menuItem(QStringLiteral("MnuScriptSettings")).trigger();
        return form->batchForm3();
    }

    // The operation list as its view shows it.
    QStringList operationList() const
    {
        const QAbstractItemModel& shown = *listView(QStringLiteral("ListView2")).model();
        QStringList lines;
        for (int row = 0; row < shown.rowCount(); ++row)
            lines.append(shown.index(row, 0).data().toString());
        return lines;
    }

    OptionSet& options() { return form->session().options; }
};

TEST_F(OptionsFormTest, OpeningShowsTheOptionSetAsItIsWithoutRunningTheBoxRules)
{
    options().DoDeleteBlock = true;
    options().UseModelSpace = true;
    options().InsertX = -7;
    options().InsertPath = QStringLiteral("C:\\Blocks\\Stamp.dwg");
    const OptionSet before = options();

    BatchForm3& f = open();  // no "Please Use Insert Block/Xref" box
    EXPECT_EQ(f.caption(), QStringLiteral("Pollent Processor Settings"));
    EXPECT_TRUE(check(f, "ChkDeleteB").isChecked());
    EXPECT_TRUE(check(f, "ChkModel").isChecked());
    EXPECT_FALSE(check(f, "ChkPaper").isChecked());
    EXPECT_EQ(edit(f, "TxtX").text(), QStringLiteral("-7"));
    EXPECT_EQ(edit(f, "FolderLocation").text(), QStringLiteral("C:\\Pollent\\"));

    button(f, "Apply").click();
    EXPECT_EQ(options(), before);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(operationList(), QStringList{QStringLiteral("Delete Block")});
}

TEST_F(OptionsFormTest, TheBoxRulesKeepEachPairExclusive)
{
    BatchForm3& f = open();
    check(f, "ChkInsertBlock").click();
    check(f, "ChkInsertXref").click();
    EXPECT_FALSE(check(f, "ChkInsertBlock").isChecked());
    check(f, "ChkModel").click();
    check(f, "ChkPaper").click();
    EXPECT_FALSE(check(f, "ChkModel").isChecked());
    check(f, "ChkInsertXref").click();  // unticking moves nothing else
    EXPECT_FALSE(check(f, "ChkInsertBlock").isChecked());
    EXPECT_TRUE(check(f, "ChkPaper").isChecked());
    EXPECT_TRUE(t.ui().records().isEmpty());

    // Delete Block reminds of the space boxes and ticks Paper Space, on every
    // change, also when Delete Xref unticks it.
    check(f, "ChkModel").click();
    check(f, "ChkDelete").click();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use Insert Block/Xref\rModel/Paper Space Box"));
    check(f, "ChkDeleteB").click();
    EXPECT_FALSE(check(f, "ChkDelete").isChecked());
    EXPECT_TRUE(check(f, "ChkPaper").isChecked());
    EXPECT_FALSE(check(f, "ChkModel").isChecked());
    check(f, "ChkModel").click();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use Insert Block/Xref"));
    check(f, "ChkDelete").click();
    EXPECT_FALSE(check(f, "ChkDeleteB").isChecked());
    EXPECT_TRUE(check(f, "ChkPaper").isChecked());
    EXPECT_EQ(boxes(), QStringList(2, QStringLiteral("Please Use Insert Block/Xref\rModel/Paper Space Box|POLLEN~1|0")));
}

TEST_F(OptionsFormTest, ApplyTakesEveryBoxAndListsTheOperationsInTheirDisplayOrder)
{
    BatchForm3& f = open();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use"));
    tick(f, {"ChkDeleteB", "ChkInsertXref", "chkBlockAttributes", "ChkArchive", "chkPurge", "ChkBindAll", "ChkModel"});
    edit(f, "TxtX").setText(QStringLiteral("2.5"));
    edit(f, "TxtY").setText(QStringLiteral(" 3.5 "));
    edit(f, "TxtZ").setText(QStringLiteral("-32768"));
    edit(f, "TxtScale").setText(QStringLiteral("0.5"));
    edit(f, "FolderName").setText(QStringLiteral("Sent"));
    edit(f, "TxtDeleteName").setText(QStringLiteral("SITE"));
    button(f, "Apply").click();

    EXPECT_EQ(options().InsertX, 2);
    EXPECT_EQ(options().InsertY, 4);
    EXPECT_EQ(options().InsertZ, -32768);
    EXPECT_EQ(options().InsertScale, QStringLiteral("0.5"));
    EXPECT_EQ(options().ArchiveName, QStringLiteral("Sent"));
    EXPECT_EQ(options().DeleteName, QStringLiteral("SITE"));
    EXPECT_TRUE(options().UseModelSpace);
    EXPECT_FALSE(options().UsePaperSpace);
    EXPECT_EQ(operationList(), (QStringList{"Bind All Xref", "Purge Drawings", "Archive Folder", "UpDate Attributes",
                                            "Insert Xref", "Delete Block"}));
    EXPECT_FALSE(listView(QStringLiteral("ListView2")).model()->index(0, 0).data(Qt::DecorationRole).isNull());

    // With nothing ticked the list is empty.
    BatchForm3& again = open();
    tick(again, {"ChkInsertXref", "chkBlockAttributes", "ChkArchive", "chkPurge", "ChkBindAll"});
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use"));
    check(again, "ChkDeleteB").click();
    button(again, "Apply").click();
    EXPECT_EQ(operationList().size(), 0);
}

TEST_F(OptionsFormTest, WithAnInsertTickedABadNumberIsNamedAndNothingIsApplied)
{
    BatchForm3& f = open();
    check(f, "chkPurge").click();
    check(f, "ChkInsertBlock").click();
    edit(f, "FolderName").setText(QStringLiteral("Changed"));
    edit(f, "TxtY").setText(QStringLiteral("40000"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("The Y: box must hold a number from -32768 to 32767."));
    button(f, "Apply").click();
    edit(f, "TxtY").setText(QStringLiteral("1"));
    edit(f, "TxtScale").setText(QStringLiteral("one"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("The Scale: box must hold a number."));
    button(f, "Apply").click();

    EXPECT_EQ(t.ui().last().style, 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(options().ArchiveName, QStringLiteral("Issued"));
    EXPECT_FALSE(options().DoPurge);
    EXPECT_EQ(operationList().size(), 0);
}

TEST_F(OptionsFormTest, ClosingByTheCloseBoxDropsTheEdits)
{
    BatchForm3& f = open();
    check(f, "ChkArchive").click();
    edit(f, "FolderName").setText(QStringLiteral("Changed"));
    f.close();
    EXPECT_FALSE(options().DoArchive);
    BatchForm3& again = open();
    EXPECT_FALSE(check(again, "ChkArchive").isChecked());
    EXPECT_EQ(edit(again, "FolderName").text(), QStringLiteral("Issued"));
}

TEST_F(OptionsFormTest, BrowseEndsTheFolderWithABackslashOrSaysCanceled)
{
    BatchForm3& f = open();
    t.ui().expectFolder(QStringLiteral("C:\\Jobs"));
    button(f, "CmdBrowse").click();
    EXPECT_EQ(t.ui().last().title, QStringLiteral("C:\\"));
    EXPECT_EQ(edit(f, "FolderLocation").text(), QStringLiteral("C:\\Jobs\\"));
    t.ui().expectFolder(QStringLiteral("D:\\"));
    button(f, "CmdBrowse").click();
    EXPECT_EQ(edit(f, "FolderLocation").text(), QStringLiteral("D:\\"));
    t.ui().expectFolder(QString());
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Canceled..."));
    button(f, "CmdBrowse").click();
    EXPECT_EQ(t.ui().last().style, msgbox::Information);
    EXPECT_EQ(edit(f, "FolderLocation").text(), QStringLiteral("D:\\"));
}

TEST_F(OptionsFormTest, TheInsertBoxesAreCheckedOnlyWhenAnInsertIsTicked)
{
    // Only Purge wanted: the unused insert boxes may hold anything.
    BatchForm3& f = open();
    check(f, "chkPurge").click();
    edit(f, "TxtScale").clear();
    edit(f, "TxtX").setText(QStringLiteral("abc"));
    edit(f, "TxtY").setText(QStringLiteral("99999"));
    edit(f, "FolderName").setText(QStringLiteral("Sent"));
    button(f, "Apply").click();
    EXPECT_TRUE(t.ui().records().isEmpty());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(options().DoPurge);
    EXPECT_EQ(options().ArchiveName, QStringLiteral("Sent"));
    EXPECT_EQ(operationList(), QStringList{QStringLiteral("Purge Drawings")});
    // A value that does not convert is not taken; the others are.
    EXPECT_EQ(options().InsertX, 0);
    EXPECT_EQ(options().InsertY, 0);
    EXPECT_EQ(options().InsertScale, QString());

    // With an insert ticked the same boxes are checked again.
    BatchForm3& again = open();
    check(again, "ChkInsertXref").click();
    edit(again, "TxtScale").setText(QStringLiteral("x"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("The Scale: box must hold a number."));
    button(again, "Apply").click();
    EXPECT_TRUE(again.isVisible());
    EXPECT_FALSE(options().DoInsertXref);
}

}  // namespace
}  // namespace pollent::test
