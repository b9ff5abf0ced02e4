#include "DrosselFixture.h"

#include "batch/drossel/FrmCancel.h"
#include "shared/EditableFileList.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

using namespace drossel;
using namespace drossel::test;

namespace {

const QString A = QStringLiteral("C:\\Jobs\\A.dwg");
const QString B = QStringLiteral("C:\\Jobs\\B.dwg");
const QString C = QStringLiteral("C:\\Jobs\\C.dwg");

}  // namespace

class BatchPlotting : public DrosselTest {
protected:
    void SetUp() override
    {
        for (const QString& path : {A, B, C})
            writeDrawing(path);
        setUpButton(0, Laser, Letter);
        saveSetting(DrosselSettings::CloseExit, DrosselSettings::True);
        start();
        control<QCheckBox>(*form, "ChkBatch").setChecked(true);
        host->journal().clear();
    }

    void list(const QStringList& paths)
    {
        for (const QString& path : paths) {
            form->Batchlist1sub(path);
        }
    }

    QStringList plotted() const
    {
        QStringList drawings;
        for (const standin::PlotJob& job : host->plotJobs())
            drawings.append(job.drawing);
        return drawings;
    }

    int sdi() const { return host->context().appVariable(QStringLiteral("SDI")).toInt(); }
};

TEST_F(BatchPlotting, ADrawingThatCannotBeOpenedIsSkippedAndReportedOnceAtTheEnd)
{
    const QString missing = QStringLiteral("C:\\Jobs\\B2 gone.dwg");
    list({A, missing, C});
    int sdiDuringBatch = -1;
    bool cancelShown = false;
    clock.setDoEventsHook([&] {
        sdiDuringBatch = sdi();
        cancelShown = form->cancelWindow().isVisible() && !form->isVisible();
    });
    ui.expectMsgBox(forms::msgbox::Ok, missing);
    press(0);

    // The drawing opened before the missing one is not plotted and saved again.
    EXPECT_EQ(plotted(), (QStringList{A, C}));
    EXPECT_EQ(journal({QStringLiteral("Document.Save")}),
              (QStringList{QStringLiteral("Document.Save ") + A, QStringLiteral("Document.Save ") + C}));
    EXPECT_EQ(journal({QStringLiteral("Document.Open")}),
              (QStringList{QStringLiteral("Document.Open ") + A, QStringLiteral("Document.Open ") + missing,
                           QStringLiteral("Document.Open ") + C}));
    EXPECT_EQ(ui.last().text,
              QStringLiteral("These Drawings Could Not Be Opened And Were Not Plotted:\r\n") + missing);
    EXPECT_EQ(ui.last().style, forms::msgbox::Exclamation);
    EXPECT_EQ(sdiDuringBatch, 1);
    EXPECT_TRUE(cancelShown);
    EXPECT_EQ(sdi(), 0);
    EXPECT_FALSE(form->cancelWindow().isVisible());
    EXPECT_TRUE(form->isVisible());
    // "CloseExit" does not apply to a batch.
    EXPECT_FALSE(dispatcher.ended());
}

TEST_F(BatchPlotting, CancelDuringTheFirstDrawingStopsBeforeTheNextAndTheNextBatchRunsAll)
{
    list({C, A, B});  // the list sorts them
    EXPECT_EQ(module->drawings.paths(), (QStringList{A, B, C}));
    clock.setDoEventsHook([&] { control<QPushButton>(form->cancelWindow(), "cmdCancel").click(); });
    press(0);

    EXPECT_EQ(plotted(), (QStringList{A}));
    EXPECT_EQ(journal({QStringLiteral("Document.Open")}), (QStringList{QStringLiteral("Document.Open ") + A}));
    EXPECT_EQ(sdi(), 0);
    EXPECT_FALSE(form->cancelWindow().isVisible());
    EXPECT_TRUE(form->isVisible());

    clock.setDoEventsHook({});
    press(0);
    EXPECT_EQ(plotted(), (QStringList{A, A, B, C}));
}

TEST_F(BatchPlotting, APenStyleRefusedInTheSecondDrawingStopsTheBatchAfterOneMessage)
{
    list({A, B, C});
    int drawingsDone = 0;
    clock.setDoEventsHook([&] {
        if (++drawingsDone == 1)
            host->failures().failNext(QStringLiteral("Layout.StyleSheet"), cad::err::PlotStyleRefused);
    });
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("Pen Not Found..."));
    press(0);

    EXPECT_EQ(plotted(), (QStringList{A}));
    EXPECT_FALSE(journal({QStringLiteral("Document.Open")}).contains(QStringLiteral("Document.Open ") + C));
    EXPECT_EQ(sdi(), 0);
}

TEST_F(BatchPlotting, TwoOpenDrawingsInMultipleDocumentModeAreRefusedAndNothingChanges)
{
    list({A, B});
    host->openDocument(C);
    host->makeActive(document);
    ui.expectMsgBox(forms::msgbox::Ok);
    press(0);

    EXPECT_EQ(ui.last().text, QStringLiteral("Please Close All Drawings Out But One Drawing\rAnd Try Again Please"));
    EXPECT_EQ(ui.last().style, forms::msgbox::Information);
    EXPECT_TRUE(journal({QStringLiteral("Document.SetVariable"), QStringLiteral("Document.Open")}).isEmpty());
    EXPECT_TRUE(host->plotJobs().empty());
    EXPECT_FALSE(form->cancelWindow().isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(BatchPlotting, SingleDocumentModeAlreadyOnStaysOn)
{
    document->setVariable(QStringLiteral("SDI"), 1);
    list({A});
    press(0);
    EXPECT_EQ(plotted(), (QStringList{A}));
    EXPECT_EQ(sdi(), 1);
}

TEST_F(BatchPlotting, AnEmptyListOpensNothingAndPutsTheModeBack)
{
    press(0);
    EXPECT_TRUE(journal({QStringLiteral("Document.Open")}).isEmpty());
    EXPECT_EQ(journal({QStringLiteral("Document.SetVariable")}),
              (QStringList{QStringLiteral("Document.SetVariable SDI 1"),
                           QStringLiteral("Document.SetVariable SDI 0")}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(BatchPlotting, TheBatchPlotsTheListAsItStoodAndCannotBeStartedTwice)
{
    list({A, B});
    int ticks = 0;
    clock.setDoEventsHook([&] {
        if (++ticks > 1)
            return;
        // While the batch lets events through: the list is cleared, a
        // drawing is added, and a paper button is pressed again.
        control<QAction>(*form, "MnuClear").trigger();
        form->Batchlist1sub(C);
        press(0);
        control<QPushButton>(*form, "CmdPrinter", 0).click();
    });
    press(0);

    EXPECT_EQ(plotted(), (QStringList{A, B}));
    EXPECT_EQ(module->drawings.paths(), (QStringList{C}));
    EXPECT_EQ(journal({QStringLiteral("Document.SetVariable")}).size(), 2);
}

TEST_F(BatchPlotting, TheHostGoingAwayMidBatchStillPutsTheModeAndWindowsBack)
{
    list({A, B, C});
    clock.setDoEventsHook([&] {
        // The host stops answering: the next re-attach ends the program.
        hosts.unregisterRunning(cad::HostClassName);
        timer1().setEnabled(true);
        timer1().fire();
    });
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    press(0);

    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(plotted(), (QStringList{A}));
    EXPECT_EQ(sdi(), 0);
    EXPECT_FALSE(form->cancelWindow().isVisible());
}
