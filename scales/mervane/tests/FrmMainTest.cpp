#include "MervaneFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/forms/Timer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>

using namespace mervane;
using namespace mervane::test;
namespace msgbox = forms::msgbox;

namespace {

QList<QStringList> listRows(const QTreeWidget* list)
{
    QList<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList texts;
        for (int column = 0; column < list->columnCount(); ++column)
            texts.append(list->topLevelItem(i)->text(column));
        rows.append(texts);
    }
    return rows;
}

QList<QStringList> tableRows(ScaleFamily family)
{
    QList<QStringList> rows;
    for (const ScaleRow& row : ScaleTables::rows(family))
        rows.append(row.texts());
    return rows;
}

}  // namespace

using StartSequence = MervaneTest;

TEST_F(StartSequence, ModelSpaceDrawingIsSwitchedToTheLayoutAndIntoItsViewport)
{
    const auto viewport = addViewport(3);
    host->journal().clear();
    FrmMain& f = start();

    EXPECT_EQ(host->journal().entries(),
              QStringList({"Document.ActiveSpace 0", "Application.ZoomExtents", "Document.MSpace True"}));
    EXPECT_EQ(document->activeSpace(), cad::space::Paper);
    EXPECT_TRUE(document->mSpace());
    EXPECT_EQ(activeViewport(), viewport);
    EXPECT_TRUE(f.Option1[0]->isChecked());
    EXPECT_EQ(listRows(f.LVscales), tableRows(ScaleFamily::Architectural));
    EXPECT_EQ(f.selectedPosition(), 0);
    EXPECT_EQ(f.connection().document, document);
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(StartSequence, PaperSpaceDrawingKeepsItsSpace)
{
    addViewport(3);
    document->setActiveSpace(cad::space::Paper);
    host->journal().clear();
    start();
    EXPECT_EQ(host->journal().entries(), QStringList({"Application.ZoomExtents", "Document.MSpace True"}));
    EXPECT_TRUE(document->mSpace());
}

TEST_F(StartSequence, RefusedViewportSwitchIsReportedAndTheListIsFilledAllTheSame)
{
    // The layout has only its sheet: there is no viewport to work in.
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Location:\t\tForm_Load"));
    FrmMain& f = start();
    expectAppError(QStringLiteral("Form_Load"));
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_EQ(f.LVscales->topLevelItemCount(), 12);
    EXPECT_TRUE(f.Option1[0]->isChecked());
}

TEST_F(StartSequence, NoHostRunningShowsTheBoxAndEnds)
{
    hosts.unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    start();
    EXPECT_EQ(ui.last().text, QStringLiteral("AutoCad Not Running"));
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(form->isVisible());
}

using Window = MervaneTest;

TEST_F(Window, ControlsSitAtTheirTwips)
{
    addViewport(3);
    FrmMain& f = start();
    EXPECT_EQ(f.caption(), QStringLiteral("Standard Scales"));
    EXPECT_EQ(f.LVscales->geometry(), forms::twipsRect(120, 120, 7455, 3255));
    EXPECT_EQ(f.FrameOptions->geometry(), forms::twipsRect(180, 3480, 5775, 735));
    EXPECT_EQ(f.FrameOptions->title(), QStringLiteral("Scale Type:"));
    // The option buttons keep their place and at least their width; one may
    // grow to show its whole caption, but never onto the next.
    const std::array<QRect, 4> options = {forms::twipsRect(240, 360, 1215, 255),
                                          forms::twipsRect(2040, 360, 1215, 255),
                                          forms::twipsRect(3480, 360, 1215, 255),
                                          forms::twipsRect(4560, 360, 975, 255)};
    for (int i = 0; i < 4; ++i) {
        const QRect shown = f.Option1[i]->geometry();
        EXPECT_EQ(shown.topLeft(), options[i].topLeft()) << i;
        EXPECT_EQ(shown.height(), options[i].height()) << i;
        EXPECT_GE(shown.width(), options[i].width()) << i;
        if (shown.width() == options[i].width())
            continue;
        if (i + 1 < 4)
            EXPECT_LT(shown.right(), options[i + 1].left()) << i;
        else
            EXPECT_LE(shown.right(), f.FrameOptions->width()) << i;
    }
    EXPECT_EQ(f.Option1[3]->text(), QStringLiteral("Metric"));
    EXPECT_EQ(f.Option1[0]->parentWidget(), f.FrameOptions);
    EXPECT_EQ(f.ChkTransparent->geometry(), forms::twipsRect(6240, 3720, 1215, 375));
    EXPECT_EQ(f.ChkTransparent->text(), QStringLiteral("Transparent"));
    EXPECT_EQ(f.CmdOK->geometry(), forms::twipsRect(240, 4440, 1575, 375));
    EXPECT_EQ(f.CmdOK->text(), QStringLiteral("Ok"));
    EXPECT_EQ(f.CmdNext->geometry(), forms::twipsRect(2160, 4440, 1215, 375));
    EXPECT_EQ(f.CmdNext->text(), QStringLiteral("Next VPort"));
    EXPECT_EQ(f.CmdGetscale->geometry(), forms::twipsRect(3480, 4440, 1455, 375));
    EXPECT_EQ(f.CmdGetscale->text(), QStringLiteral("Current Scale"));
    EXPECT_EQ(f.CmdExit->geometry(), forms::twipsRect(6240, 4440, 1335, 375));
    EXPECT_EQ(f.Timer1->interval(), 1000);

    EXPECT_EQ(f.LVscales->headerItem()->text(5), QStringLiteral("Dimension Style"));
    const QList<int> widths = {1400, 1400, 1200, 1200, 1000, 1400};
    for (int column = 0; column < widths.size(); ++column)
        EXPECT_EQ(f.LVscales->columnWidth(column), forms::twipsToPixels(widths[column])) << column;
}

TEST_F(Window, OptionButtonsReplaceTheRows)
{
    addViewport(3);
    FrmMain& f = start();
    for (ScaleFamily family : ScaleTables::families()) {
        f.Option1[int(family)]->click();
        EXPECT_EQ(listRows(f.LVscales), tableRows(family)) << ScaleTables::familyName(family).toStdString();
    }
    f.Option1[0]->click();
    f.Option1[3]->click();
    EXPECT_EQ(f.LVscales->topLevelItemCount(), 10);
    f.Metric();
    EXPECT_EQ(f.LVscales->topLevelItemCount(), 10);
    EXPECT_EQ(f.LVscales->topLevelItem(0)->text(1), QStringLiteral(".20"));
}

TEST_F(Window, TranslucencyOnAndOff)
{
    addViewport(3);
    FrmMain& f = start();
    EXPECT_EQ(forms::windowAlpha(&f), 255);
    f.ChkTransparent->click();
    EXPECT_EQ(forms::windowAlpha(&f), 186);
    EXPECT_EQ(forms::windowAlpha(f.LVscales), 100);
    f.ChkTransparent->click();
    EXPECT_EQ(forms::windowAlpha(&f), 255);
    EXPECT_EQ(forms::windowAlpha(f.LVscales), 255);
    EXPECT_TRUE(forms::isLayered(&f));
    EXPECT_TRUE(forms::isLayered(f.LVscales));
}

TEST_F(Window, TimerFollowsTheActiveDrawing)
{
    addViewport(3);
    FrmMain& f = start();
    f.Timer1->setEnabled(true);
    const auto other = host->addDocument();
    f.Timer1->fire();
    EXPECT_EQ(f.connection().document, other);
}

TEST_F(Window, TimerEndsTheProgramWhenTheHostHasGone)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    f.Timer1->setEnabled(true);
    hosts.unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    f.Timer1->fire();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Window, ExitAndCloseEndWithoutApplying)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    clickRow(9);
    host->journal().clear();
    f.CmdExit->click();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Application.ZoomScaled")).isEmpty());
}

TEST_F(Window, CloseBoxEndsTheProgram)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    f.close();
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Window, RendersTheWindow)
{
    addViewport(3);
    FrmMain& f = start();
    clickRow(9);
    f.show();
    EXPECT_TRUE(f.grab().save(QStringLiteral("/tmp/mervane-FrmMain.png")));
}
