#include "MervaneFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/forms/Timer.h"

#include "platform/testing/LayoutCheck.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QScrollBar>
#include <QStyleOptionViewItem>
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

// The width a cell needs to show its whole text, as the list draws it.
int cellWidth(const QTreeWidget& list, int row, int column)
{
    const QModelIndex index = list.model()->index(row, column);
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.font = list.font();
    option.fontMetrics = list.fontMetrics();
    return list.itemDelegateForIndex(index)->sizeHint(option, index).width();
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
    EXPECT_TRUE(option(0).isChecked());
    EXPECT_EQ(listRows(&list()), tableRows(ScaleFamily::Architectural));
    EXPECT_EQ(f.selectedPosition(), 0);
    EXPECT_EQ(session.connection.document, document);
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
    start();
    expectAppError(QStringLiteral("Form_Load"));
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_EQ(list().topLevelItemCount(), 12);
    EXPECT_TRUE(option(0).isChecked());
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

TEST_F(Window, ControlsShowTheirCaptionsInTheirPlaces)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    EXPECT_EQ(f.caption(), QStringLiteral("Standard Scales"));
    const auto& frame = testing_env::control<QGroupBox>(f, "FrameOptions");
    const auto& transparent = testing_env::control<QCheckBox>(f, "ChkTransparent");
    EXPECT_EQ(frame.title(), QStringLiteral("Scale Type:"));
    const QStringList captions = {"Architectural", "Machine", "Civil", "Metric"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(option(i).text(), captions[i]);
        EXPECT_EQ(option(i).parentWidget(), &frame);
        // The option buttons stand in a row, in the order of their indexes.
        if (i > 0) {
            EXPECT_GT(option(i).x(), option(i - 1).geometry().right()) << i;
        }
    }
    EXPECT_EQ(transparent.text(), QStringLiteral("Transparent"));
    EXPECT_EQ(button("CmdOK").text(), QStringLiteral("Ok"));
    EXPECT_EQ(button("CmdNext").text(), QStringLiteral("Next VPort"));
    EXPECT_EQ(button("CmdGetscale").text(), QStringLiteral("Current Scale"));
    EXPECT_EQ(button("CmdExit").text(), QStringLiteral("Exit"));
    EXPECT_EQ(timer().interval(), 1000);
    EXPECT_EQ(list().headerItem()->text(5), QStringLiteral("Dimension Style"));

    // The list on top, the scale types and "Transparent" below it, the buttons
    // at the bottom from left to right with "Exit" under "Transparent".
    EXPECT_GT(frame.y(), list().geometry().bottom());
    EXPECT_GT(transparent.x(), frame.geometry().right());
    EXPECT_GT(button("CmdOK").y(), frame.geometry().bottom());
    EXPECT_GT(button("CmdNext").x(), button("CmdOK").geometry().right());
    EXPECT_GT(button("CmdGetscale").x(), button("CmdNext").geometry().right());
    EXPECT_GT(button("CmdExit").x(), button("CmdGetscale").geometry().right());
    EXPECT_EQ(button("CmdExit").x(), transparent.x());
    EXPECT_EQ(testing_env::layoutFaults(f), QStringList());

    // No column is narrower than it was drawn.
    const QList<int> widths = {1400, 1400, 1200, 1200, 1000, 1400};
    for (int column = 0; column < widths.size(); ++column)
        EXPECT_GE(list().columnWidth(column), forms::twipsToPixels(widths[column])) << column;
}

TEST_F(Window, ColumnsFitTheListWithEveryFamily)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    QCoreApplication::processEvents();
    QTreeWidget& l = list();
    const QHeaderView* header = l.header();
    for (ScaleFamily family : ScaleTables::families()) {
        SCOPED_TRACE(ScaleTables::familyName(family).toStdString());
        option(int(family)).click();
        QCoreApplication::processEvents();
        // Every column whole inside the list: no last title cut off and
        // nothing to scroll sideways to.
        EXPECT_LE(header->length(), l.viewport()->width());
        EXPECT_FALSE(l.horizontalScrollBar()->isVisible());
        EXPECT_EQ(l.horizontalScrollBar()->maximum(), 0);
        for (int column = 0; column < l.columnCount(); ++column) {
            EXPECT_GE(l.columnWidth(column), header->sectionSizeHint(column)) << column;
            for (int row = 0; row < l.topLevelItemCount(); ++row)
                EXPECT_GE(l.columnWidth(column), cellWidth(l, row, column)) << column << " row " << row;
        }
        // Every row of the family shows without scrolling.
        EXPECT_LE(l.visualItemRect(l.topLevelItem(l.topLevelItemCount() - 1)).bottom(), l.viewport()->height());
    }
}

TEST_F(Window, OptionButtonsReplaceTheRows)
{
    addViewport(3);
    FrmMain& f = start();
    for (ScaleFamily family : ScaleTables::families()) {
        option(int(family)).click();
        EXPECT_EQ(listRows(&list()), tableRows(family)) << ScaleTables::familyName(family).toStdString();
    }
    option(0).click();
    option(3).click();
    EXPECT_EQ(list().topLevelItemCount(), 10);
    f.Metric();
    EXPECT_EQ(list().topLevelItemCount(), 10);
    EXPECT_EQ(list().topLevelItem(0)->text(1), QStringLiteral(".20"));
}

TEST_F(Window, TranslucencyOnAndOff)
{
    addViewport(3);
    FrmMain& f = start();
    EXPECT_EQ(forms::windowAlpha(&f), 255);
    testing_env::control<QCheckBox>(f, "ChkTransparent").click();
    EXPECT_EQ(forms::windowAlpha(&f), 186);
    EXPECT_EQ(forms::windowAlpha(&list()), 100);
    testing_env::control<QCheckBox>(f, "ChkTransparent").click();
    EXPECT_EQ(forms::windowAlpha(&f), 255);
    EXPECT_EQ(forms::windowAlpha(&list()), 255);
    EXPECT_TRUE(forms::isLayered(&f));
    EXPECT_TRUE(forms::isLayered(&list()));
}

TEST_F(Window, TimerFollowsTheActiveDrawing)
{
    addViewport(3);
    start();
    timer().setEnabled(true);
    const auto other = host->addDocument();
    timer().fire();
    EXPECT_EQ(session.connection.document, other);
}

TEST_F(Window, TimerEndsTheProgramWhenTheHostHasGone)
{
    addViewport(3);
    FrmMain& f = start();
    f.show();
    timer().setEnabled(true);
    hosts.unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    timer().fire();
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
    button("CmdExit").click();
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
