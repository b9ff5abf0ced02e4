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
        form->MnuScriptSettings->trigger();
        return *form->Options;
    }

    QStringList operationList() const
    {
        QStringList lines;
        for (int i = 0; i < form->ListView2->topLevelItemCount(); ++i)
            lines.append(form->ListView2->topLevelItem(i)->text(0));
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
    EXPECT_TRUE(f.ChkDeleteB->isChecked());
    EXPECT_TRUE(f.ChkModel->isChecked());
    EXPECT_FALSE(f.ChkPaper->isChecked());
    EXPECT_EQ(f.TxtX->text(), QStringLiteral("-7"));
    EXPECT_EQ(f.FolderLocation->text(), QStringLiteral("C:\\Pollent\\"));

    f.Apply->click();
    EXPECT_EQ(options(), before);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(operationList(), QStringList{QStringLiteral("Delete Block")});
}

TEST_F(OptionsFormTest, TheBoxRulesKeepEachPairExclusive)
{
    BatchForm3& f = open();
    f.ChkInsertBlock->click();
    f.ChkInsertXref->click();
    EXPECT_FALSE(f.ChkInsertBlock->isChecked());
    f.ChkModel->click();
    f.ChkPaper->click();
    EXPECT_FALSE(f.ChkModel->isChecked());
    f.ChkInsertXref->click();  // unticking moves nothing else
    EXPECT_FALSE(f.ChkInsertBlock->isChecked());
    EXPECT_TRUE(f.ChkPaper->isChecked());
    EXPECT_TRUE(t.ui().records().isEmpty());

    // Delete Block reminds of the space boxes and ticks Paper Space, on every
    // change, also when Delete Xref unticks it.
    f.ChkModel->click();
    f.ChkDelete->click();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use Insert Block/Xref\rModel/Paper Space Box"));
    f.ChkDeleteB->click();
    EXPECT_FALSE(f.ChkDelete->isChecked());
    EXPECT_TRUE(f.ChkPaper->isChecked());
    EXPECT_FALSE(f.ChkModel->isChecked());
    f.ChkModel->click();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use Insert Block/Xref"));
    f.ChkDelete->click();
    EXPECT_FALSE(f.ChkDeleteB->isChecked());
    EXPECT_TRUE(f.ChkPaper->isChecked());
    EXPECT_EQ(boxes(), QStringList(2, QStringLiteral("Please Use Insert Block/Xref\rModel/Paper Space Box|POLLEN~1|0")));
}

TEST_F(OptionsFormTest, ApplyTakesEveryBoxAndListsTheOperationsInTheirDisplayOrder)
{
    BatchForm3& f = open();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use"));
    for (QCheckBox* box : {f.ChkDeleteB, f.ChkInsertXref, f.chkBlockAttributes, f.ChkArchive, f.chkPurge,
                           f.ChkBindAll, f.ChkModel})
        box->click();
    f.TxtX->setText(QStringLiteral("2.5"));
    f.TxtY->setText(QStringLiteral(" 3.5 "));
    f.TxtZ->setText(QStringLiteral("-32768"));
    f.TxtScale->setText(QStringLiteral("0.5"));
    f.FolderName->setText(QStringLiteral("Sent"));
    f.TxtDeleteName->setText(QStringLiteral("SITE"));
    f.Apply->click();

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
    EXPECT_FALSE(form->ListView2->topLevelItem(0)->icon(0).isNull());

    // With nothing ticked the list is empty.
    BatchForm3& again = open();
    for (QCheckBox* box : {again.ChkInsertXref, again.chkBlockAttributes, again.ChkArchive, again.chkPurge,
                           again.ChkBindAll})
        box->click();
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Please Use"));
    again.ChkDeleteB->click();
    again.Apply->click();
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
}

TEST_F(OptionsFormTest, ABadNumberIsNamedAndNothingIsApplied)
{
    BatchForm3& f = open();
    f.chkPurge->click();
    f.FolderName->setText(QStringLiteral("Changed"));
    f.TxtY->setText(QStringLiteral("40000"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("The Y: box must hold a number from -32768 to 32767."));
    f.Apply->click();
    f.TxtY->setText(QStringLiteral("1"));
    f.TxtScale->setText(QStringLiteral("one"));
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("The Scale: box must hold a number."));
    f.Apply->click();

    EXPECT_EQ(t.ui().last().style, 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(options().ArchiveName, QStringLiteral("Issued"));
    EXPECT_FALSE(options().DoPurge);
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
}

TEST_F(OptionsFormTest, ClosingByTheCloseBoxDropsTheEdits)
{
    BatchForm3& f = open();
    f.ChkArchive->click();
    f.FolderName->setText(QStringLiteral("Changed"));
    f.close();
    EXPECT_FALSE(options().DoArchive);
    BatchForm3& again = open();
    EXPECT_FALSE(again.ChkArchive->isChecked());
    EXPECT_EQ(again.FolderName->text(), QStringLiteral("Issued"));
}

TEST_F(OptionsFormTest, BrowseEndsTheFolderWithABackslashOrSaysCanceled)
{
    BatchForm3& f = open();
    t.ui().expectFolder(QStringLiteral("C:\\Jobs"));
    f.CmdBrowse->click();
    EXPECT_EQ(t.ui().last().title, QStringLiteral("C:\\"));
    EXPECT_EQ(f.FolderLocation->text(), QStringLiteral("C:\\Jobs\\"));
    t.ui().expectFolder(QStringLiteral("D:\\"));
    f.CmdBrowse->click();
    EXPECT_EQ(f.FolderLocation->text(), QStringLiteral("D:\\"));
    t.ui().expectFolder(QString());
    t.ui().expectMsgBox(msgbox::Ok, QStringLiteral("Canceled..."));
    f.CmdBrowse->click();
    EXPECT_EQ(t.ui().last().style, msgbox::Information);
    EXPECT_EQ(f.FolderLocation->text(), QStringLiteral("D:\\"));
}

}  // namespace
}  // namespace pollent::test
