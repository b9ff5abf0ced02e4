#include "DrosselFixture.h"

#include "platform/cad/CadErrors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace drossel;
using namespace drossel::test;

namespace {

const QStringList PlotCalls = {QStringLiteral("Layout."), QStringLiteral("Plot."), QStringLiteral("Document.Save"),
                               QStringLiteral("Document.Regen")};

}  // namespace

class PlotDrawings : public DrosselTest {
protected:
    void SetUp() override
    {
        setUpButton(1, Laser, Tabloid, QStringLiteral("Tabloid"));
        start();
        host->journal().clear();
    }
};

TEST_F(PlotDrawings, SinglePlotWritesTheLayoutInOrderThenPlotsSavesAndEnds)
{
    press(1);

    EXPECT_EQ(journal(PlotCalls), (QStringList{
                                      QStringLiteral("Layout.PlotRotation 1"),
                                      QStringLiteral("Plot.NumberOfCopies 1"),
                                      QStringLiteral("Layout.PlotType 1"),
                                      QStringLiteral("Layout.RefreshPlotDeviceInfo"),
                                      QStringLiteral("Layout.ConfigName Office Laser.pc3"),
                                      QStringLiteral("Layout.CanonicalMediaName ") + Tabloid,
                                      QStringLiteral("Layout.StandardScale 0"),
                                      QStringLiteral("Layout.CenterPlot False"),
                                      QStringLiteral("Document.Regen 0"),
                                      QStringLiteral("Layout.PlotWithPlotStyles True"),
                                      QStringLiteral("Layout.StyleSheet monochrome.ctb"),
                                      QStringLiteral("Plot.PlotToDevice"),
                                      QStringLiteral("Document.Save ") + MainDrawing,
                                  }));
    ASSERT_EQ(host->plotJobs().size(), 1u);
    const standin::PlotJob& job = host->plotJobs()[0];
    EXPECT_FALSE(job.preview);
    EXPECT_EQ(job.drawing, MainDrawing);
    EXPECT_EQ(job.device, Laser);
    EXPECT_EQ(job.media, Tabloid);
    EXPECT_EQ(job.rotation, 1);
    EXPECT_EQ(job.plotType, cad::plotType::Extents);
    EXPECT_EQ(job.copies, 1);
    EXPECT_EQ(job.styleSheet, QStringLiteral("monochrome.ctb"));
    EXPECT_EQ(module->ButtonPlotter, Laser);
    EXPECT_EQ(module->PaperKey, QStringLiteral("Img11x17"));
    // "CloseExit" defaults to "True": a single plot ends the program.
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(PlotDrawings, RotationScaleAndCopiesFollowTheirTextsAndUnknownTextsWriteNothing)
{
    saveSetting(DrosselSettings::CloseExit, DrosselSettings::False);
    saveSetting(DrosselSettings::Rotation, QStringLiteral("270"));
    saveSetting(DrosselSettings::NumberCopy, QStringLiteral("3"));
    control<QComboBox>(*form, "Scaleit").setEditText(QStringLiteral("1:2"));
    press(1);
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_EQ(host->plotJobs()[0].rotation, 3);
    EXPECT_EQ(host->plotJobs()[0].standardScale, cad::standardScale::OneToTwo);
    EXPECT_EQ(host->plotJobs()[0].copies, 3);

    host->journal().clear();
    saveSetting(DrosselSettings::Rotation, QStringLiteral("45"));
    control<QComboBox>(*form, "Scaleit").setEditText(QStringLiteral("3:1"));
    press(1);
    ASSERT_EQ(host->plotJobs().size(), 2u);
    // The layout keeps what it had.
    EXPECT_EQ(host->plotJobs()[1].rotation, 3);
    EXPECT_EQ(host->plotJobs()[1].standardScale, cad::standardScale::OneToTwo);
    EXPECT_TRUE(journal({QStringLiteral("Layout.PlotRotation"), QStringLiteral("Layout.StandardScale")}).isEmpty());
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PlotDrawings, CopiesThatAreNoNumberFailThePlotWithoutEndingTheProgram)
{
    saveSetting(DrosselSettings::NumberCopy, QStringLiteral("two"));
    ui.expectMsgBox(forms::msgbox::Ok);
    press(1);

    EXPECT_EQ(ui.last().text, QStringLiteral("13  Description:  Type mismatch  PlottingDrawingsSub"));
    EXPECT_EQ(ui.last().style, forms::msgbox::OkOnly);
    EXPECT_EQ(ui.last().caption, QStringLiteral("DROSSEL"));
    EXPECT_TRUE(host->plotJobs().empty());
    EXPECT_TRUE(journal({QStringLiteral("Document.Save")}).isEmpty());
    // "CloseExit" is "True", but nothing was plotted: the user stays.
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PlotDrawings, ADeviceTheHostRefusesGetsTheGeneralMessageNotThePenMessage)
{
    setUpButton(2, QStringLiteral("Gone.pc3"), Letter);
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("PlottingDrawingsSub"));
    press(2);
    EXPECT_TRUE(
        ui.last().text.startsWith(QString::number(cad::err::InvalidInput) + QStringLiteral("  Description:  ")));
    EXPECT_FALSE(module->CancelRequested);
    EXPECT_TRUE(host->plotJobs().empty());
}

TEST_F(PlotDrawings, WindowPlotWritesTheWindowBeforeThePlotTypeAndKeepsTheHostsCorners)
{
    module->WindowPlot = true;
    module->WindowLowerLeft = cad::Point2{10, 20};
    module->WindowUpperRight = cad::Point2{0, 5};
    press(1);

    const QStringList calls = journal({QStringLiteral("Layout.SetWindowToPlot"), QStringLiteral("Layout.PlotType")});
    EXPECT_EQ(calls, (QStringList{QStringLiteral("Layout.SetWindowToPlot 10,20 0,5"),
                                  QStringLiteral("Layout.PlotType 4")}));
    EXPECT_EQ(module->WindowLowerLeft, (cad::Point2{0, 5}));
    EXPECT_EQ(module->WindowUpperRight, (cad::Point2{10, 20}));
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_EQ(host->plotJobs()[0].plotType, cad::plotType::Window);
    EXPECT_EQ(host->plotJobs()[0].windowUpperRight, (cad::Point2{10, 20}));
}

TEST_F(PlotDrawings, WindowPlotWithoutAPickedWindowFailsWithTheGeneralMessage)
{
    module->WindowPlot = true;
    ui.expectMsgBox(forms::msgbox::Ok, QStringLiteral("  PlottingDrawingsSub"));
    press(1);
    EXPECT_TRUE(host->plotJobs().empty());
    EXPECT_TRUE(journal({QStringLiteral("Layout.PlotType"), QStringLiteral("Document.Save")}).isEmpty());
}

TEST_F(PlotDrawings, CentringShowsTheHostsOriginAndClearingItSwitchesTheLayoutsCentringOff)
{
    // A window plot of 4 x 2 at 1:1 on a letter sheet: the host centres it
    // 2.25 in and 4.5 up.
    const std::shared_ptr<cad::Layout> layout = document->activeLayout();
    layout->setConfigName(Laser);
    layout->setCanonicalMediaName(Letter);
    layout->setWindowToPlot({0, 0}, {4, 2});
    layout->setPlotType(cad::plotType::Window);
    layout->setPlotRotation(0);
    QComboBox& scale = control<QComboBox>(*form, "Scaleit");
    scale.setCurrentIndex(scale.findText(QStringLiteral("1:1")));
    emit scale.activated(scale.currentIndex());
    EXPECT_EQ(setting(DrosselSettings::Scaleit2), QStringLiteral("1:1"));

    control<QCheckBox>(*form, "ChkCenter").setChecked(true);
    emit control<QCheckBox>(*form, "ChkCenter").clicked(true);
    EXPECT_EQ(control<QLineEdit>(*form, "TxtX").text(), QStringLiteral("2.25"));
    EXPECT_EQ(control<QLineEdit>(*form, "TxtY").text(), QStringLiteral("4.5"));
    EXPECT_TRUE(activeLayout().center);
    EXPECT_EQ(activeLayout().standardScale, cad::standardScale::OneToOne);
    EXPECT_EQ(setting(DrosselSettings::Center), QStringLiteral("True"));

    control<QCheckBox>(*form, "ChkCenter").setChecked(false);
    emit control<QCheckBox>(*form, "ChkCenter").clicked(false);
    EXPECT_EQ(control<QLineEdit>(*form, "TxtX").text(), QStringLiteral("0"));
    EXPECT_EQ(control<QLineEdit>(*form, "TxtY").text(), QStringLiteral("0"));
    EXPECT_FALSE(activeLayout().center);
    EXPECT_EQ(setting(DrosselSettings::Center), QStringLiteral("False"));
}

TEST_F(PlotDrawings, AStyleSheetMissingFromTheHostIsRefusedAsAPenAndNothingIsSaved)
{
    // The drawing names a table this host does not have.
    form.reset();
    const auto layout = std::dynamic_pointer_cast<standin::Layout>(document->activeLayout());
    standin::PlotSettings withOldPens = layout->settings();
    withOldPens.styleSheet = QStringLiteral("Old Pens.ctb");
    layout->setSettings(withOldPens);
    start();
    EXPECT_EQ(control<QComboBox>(*form, "PenStyles").currentText(), QStringLiteral("Old Pens.ctb (Missing)"));
    EXPECT_EQ(control<QComboBox>(*form, "PenStyles").count(), 4);
    host->journal().clear();

    ui.expectMsgBox(forms::msgbox::Ok);
    press(1);
    EXPECT_EQ(ui.last().text, QStringLiteral("Pen Not Found...\rPick Different Pen Style:"));
    EXPECT_EQ(ui.last().style, forms::msgbox::Critical);
    EXPECT_TRUE(journal({QStringLiteral("Layout.StyleSheet")})
                    .contains(QStringLiteral("Layout.StyleSheet Old Pens.ctb (Missing)")));
    EXPECT_TRUE(module->CancelRequested);
    EXPECT_TRUE(host->plotJobs().empty());
    EXPECT_TRUE(journal({QStringLiteral("Document.Save")}).isEmpty());
    EXPECT_FALSE(dispatcher.ended());

    // Picking a table the host has plots.
    QComboBox& penStyles = control<QComboBox>(*form, "PenStyles");
    penStyles.setCurrentIndex(penStyles.findText(QStringLiteral("Grayscale.ctb")));
    press(1);
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_EQ(host->plotJobs()[0].styleSheet, QStringLiteral("Grayscale.ctb"));
}

TEST_F(PlotDrawings, PreviewShowsWithoutPlottingSavesAndNeverEnds)
{
    control<QCheckBox>(*form, "ChkPreview").setChecked(true);
    emit control<QCheckBox>(*form, "ChkPreview").clicked(true);
    press(1);

    const QStringList calls = journal({QStringLiteral("Plot.DisplayPlotPreview"), QStringLiteral("Plot.PlotToDevice"),
                                       QStringLiteral("Document.Save")});
    EXPECT_EQ(calls, (QStringList{QStringLiteral("Plot.DisplayPlotPreview 1"),
                                  QStringLiteral("Document.Save ") + MainDrawing}));
    ASSERT_EQ(host->plotJobs().size(), 1u);
    EXPECT_TRUE(host->plotJobs()[0].preview);
    EXPECT_FALSE(dispatcher.ended());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PlotDrawings, AReadOnlyDrawingIsPlottedAndItsSaveFailsQuietly)
{
    host->closeDocument(document);
    files.setReadOnly(MainDrawing, true);
    document = host->openDocument(MainDrawing);
    dispatcher.run([&] { form->Timer1_Timer(); });  // the re-attach finds it
    saveSetting(DrosselSettings::CloseExit, DrosselSettings::False);

    press(1);
    EXPECT_EQ(host->plotJobs().size(), 1u);
    EXPECT_EQ(journal({QStringLiteral("Document.Save")}).size(), 1);
    EXPECT_TRUE(form->isVisible());
}
