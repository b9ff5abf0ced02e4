#include "OrbessaFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/HostRegistry.h"
#include "platform/forms/Caption.h"
#include "platform/testing/LayoutCheck.h"

#include <QGroupBox>

using namespace orbessa;
using namespace orbessa::test;
namespace msgbox = forms::msgbox;

namespace {

// A text of a host that will not have its insertion point written.
class PinnedText : public cad::Entity {
public:
    explicit PinnedText(EntityPtr text) : text_(std::move(text)) {}
    QString entityName() const override { return text_->entityName(); }
    void update() override { text_->update(); }
    int alignment() const override { return text_->alignment(); }
    cad::Point insertionPoint() const override { return text_->insertionPoint(); }
    void setInsertionPoint(const cad::Point&) override { cad::raise(cad::err::InvalidInput); }
    cad::Point textAlignmentPoint() const override { return text_->textAlignmentPoint(); }
    void setTextAlignmentPoint(const cad::Point& point) override { text_->setTextAlignmentPoint(point); }

private:
    EntityPtr text_;
};

}  // namespace

using Justify = OrbessaTest;

TEST_F(Justify, NothingChosenMakesTextsLeftAndParagraphsTopLeft)
{
    FrmText& form = start();
    text2->setAlignment(4);
    mtext->setAttachmentPoint(5);
    const QString lineBefore = line->layer();
    pickWith(QStringLiteral("CmdSelect"), {text, line, text2, mtext});
    EXPECT_EQ(text->alignment(), 0);
    EXPECT_EQ(text2->alignment(), 0);
    EXPECT_EQ(mtext->attachmentPoint(), 1);
    EXPECT_EQ(session.TextState, QStringLiteral("0"));
    EXPECT_EQ(session.MTextState, QStringLiteral("1"));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Entity.Update")).size(), 3) << "the line is skipped";
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(setNames().isEmpty());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Justify, MiddleCenterKeepsTheTextWhereItWas)
{
    start();
    option(QStringLiteral("Option1"), 10).click();
    option(QStringLiteral("Mtext"), 8).click();
    pickWith(QStringLiteral("CmdSelect"), {text, mtext});
    EXPECT_EQ(text->alignment(), 10);
    EXPECT_EQ(text->textAlignmentPoint(), pt(10, 20));
    EXPECT_EQ(text->insertionPoint(), pt(10, 20));
    EXPECT_EQ(mtext->attachmentPoint(), 9);
    EXPECT_EQ(mtext->insertionPoint(), pt(2, 2));
}

TEST_F(Justify, EveryAlignmentOfTheListIsItsIndex)
{
    start();
    for (int index = 1; index < 15; ++index) {
        option(QStringLiteral("Option1"), index).click();
        pickWith(QStringLiteral("CmdSelect"), {text});
        EXPECT_EQ(text->alignment(), index);
        EXPECT_EQ(text->insertionPoint(), pt(10, 20)) << index;
    }
    EXPECT_EQ(option(QStringLiteral("Option1"), 13).text(), QStringLiteral("Bottom Center"));
}

TEST_F(Justify, AlignedAndFitKeepTheTextsOwnBaseline)
{
    start();
    text->setAlignment(5);
    text->setTextAlignmentPoint(pt(30, 20));
    option(QStringLiteral("Option1"), 3).click();
    pickWith(QStringLiteral("CmdSelect"), {text});
    EXPECT_EQ(text->alignment(), 3);
    EXPECT_EQ(text->insertionPoint(), pt(10, 20));
    EXPECT_EQ(text->textAlignmentPoint(), pt(30, 20)) << "not a baseline of no length";

    option(QStringLiteral("Option1"), 5).click();
    pickWith(QStringLiteral("CmdSelect"), {text});
    EXPECT_EQ(text->alignment(), 5);
    EXPECT_EQ(text->textAlignmentPoint(), pt(30, 20));
}

TEST_F(Justify, ARefusalShowsTheWindowThenThePlainBoxAndDeletesTheSet)
{
    FrmText& form = start();
    host->failures().failNext(QStringLiteral("Entity.Alignment"), cad::err::InvalidInput, QStringLiteral("refused"));
    option(QStringLiteral("Option1"), 2).click();
    bool shownFirst = false;
    ui.setWhileBoxShown([&](const auto&) { shownFirst = form.isVisible(); });
    ui.expectMsgBox(msgbox::Ok, QString::number(cad::err::InvalidInput) + QStringLiteral("  Description:  "));
    pickWith(QStringLiteral("CmdSelect"), {text, text2});
    EXPECT_TRUE(ui.last().text.endsWith(QStringLiteral("refused"))) << ui.last().text.toStdString();
    EXPECT_EQ(ui.last().style, msgbox::OkOnly);
    EXPECT_EQ(ui.last().caption, QStringLiteral("Orbessa"));
    EXPECT_TRUE(shownFirst);
    EXPECT_EQ(text2->alignment(), 0) << "the work ended at the refusal";
    EXPECT_TRUE(setNames().isEmpty());
    EXPECT_FALSE(dispatcher.ended());
}

using Insertion = OrbessaTest;

TEST_F(Insertion, AlignTextWaitsForAPickedReference)
{
    start();
    EXPECT_FALSE(button(QStringLiteral("CmdInsertion")).isEnabled());
    pickWith(QStringLiteral("CmdInsertion1"), {line});
    EXPECT_FALSE(button(QStringLiteral("CmdInsertion")).isEnabled()) << "a line is no text";
    pickWith(QStringLiteral("CmdInsertion1"), {text2, mtext});
    EXPECT_TRUE(button(QStringLiteral("CmdInsertion")).isEnabled());
    EXPECT_EQ(session.reference, pt(2, 2)) << "the last text picked";
    EXPECT_EQ(text2->insertionPoint(), pt(12, 30)) << "picking a reference moves nothing";
}

TEST_F(Insertion, TextsMoveOntoTheReferencesXOrY)
{
    start();
    const auto reference = drawing->modelSpace()->addText(QStringLiteral("REF"), pt(5, 7), 0.25);
    pickWith(QStringLiteral("CmdInsertion1"), {reference});
    option(QStringLiteral("OptInsertion"), 0).click();
    pickWith(QStringLiteral("CmdInsertion"), {text2, line});
    EXPECT_EQ(text2->insertionPoint(), pt(5, 30));
    EXPECT_EQ(line->endPoint(), pt(10, 0));

    text2->setInsertionPoint(pt(12, 30));
    option(QStringLiteral("OptInsertion"), 1).click();
    pickWith(QStringLiteral("CmdInsertion"), {text2, mtext});
    EXPECT_EQ(text2->insertionPoint(), pt(12, 7));
    EXPECT_EQ(mtext->insertionPoint(), pt(2, 7));
}

TEST_F(Insertion, NoAxisChosenIsSaidBeforeAnythingIsPicked)
{
    FrmText& form = start();
    pickWith(QStringLiteral("CmdInsertion1"), {text});
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Align X or Align Y"));
    button(QStringLiteral("CmdInsertion")).click();
    EXPECT_EQ(ui.last().style, msgbox::OkOnly);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(user.prompts().size(), 1) << "no selection asked for";
    EXPECT_EQ(text2->insertionPoint(), pt(12, 30));
}

TEST_F(Insertion, ATextWhoseInsertionPointIsRefusedMovesByItsAlignmentPoint)
{
    start();
    pickWith(QStringLiteral("CmdInsertion1"), {text});  // reference (10,20)
    text2->setAlignment(10);
    text2->setTextAlignmentPoint(pt(12, 30));
    option(QStringLiteral("OptInsertion"), 0).click();
    pickWith(QStringLiteral("CmdInsertion"), {std::make_shared<PinnedText>(text2)});
    EXPECT_EQ(text2->insertionPoint(), pt(10, 30));
    EXPECT_EQ(text2->textAlignmentPoint(), pt(10, 30));
    EXPECT_TRUE(ui.records().isEmpty());

    // A left-aligned text has no such point: the refusal is reported.
    ui.expectMsgBox(msgbox::Ok, QString::number(cad::err::InvalidInput) + QStringLiteral("  Description:  "));
    pickWith(QStringLiteral("CmdInsertion"), {std::make_shared<PinnedText>(text)});
    EXPECT_EQ(text->insertionPoint(), pt(10, 20));
    EXPECT_EQ(setNames(), QStringList{QStringLiteral("setpres")}) << "only Select Text deletes the set after a box";
}

using Window = OrbessaTest;

TEST_F(Window, NoHostAtStartWarnsPlainlyAndEnds)
{
    t.hosts().unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! AutoCad Not Running..."));
    start();
    EXPECT_EQ(ui.last().style, msgbox::OkOnly);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Window, CancelChangesNothingAndExitEnds)
{
    FrmText& form = start();
    option(QStringLiteral("Option1"), 2).click();
    user.cancelSelection();
    button(QStringLiteral("CmdSelect")).click();
    EXPECT_EQ(text->alignment(), 0);
    EXPECT_TRUE(form.isVisible());
    button(QStringLiteral("CmdExit")).click();
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Window, ShowsEveryCaptionWhole)
{
    FrmText& form = start();
    EXPECT_EQ(form.caption(), QStringLiteral("Text Alignment"));
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("FrmText")).title(), QStringLiteral("Text"));
    EXPECT_EQ(button(QStringLiteral("CmdInsertion1")).text(), QStringLiteral("Pick Text "));
    EXPECT_EQ(testing_env::layoutFaults(form), QStringList());
    EXPECT_GE(form.width(), forms::captionWidth(form));
    EXPECT_TRUE(form.grab().save(QStringLiteral("/tmp/orbessa-FrmText.png")));
}
