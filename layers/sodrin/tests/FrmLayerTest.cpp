#include "SodrinFixture.h"

#include "platform/cad/CadErrors.h"


using namespace sodrin;
using namespace sodrin::test;
namespace msgbox = forms::msgbox;

namespace {
const QString General = QStringLiteral("C:\\Program\\General.lay");
const QString Mine = QStringLiteral("C:\\Layers\\Mine.lay");
}  // namespace

using LayerMenu = SodrinTest;

TEST_F(LayerMenu, ListsTheFileAndCreatesThePickedLayerThenEnds)
{
    store("LayerPath", General);
    start(QStringLiteral("G-PHAN"));
    QStringList expected = {"G-OBJ1", "G-OBJ2", "G-OBJ3", "G-OBJ4", "G-HIDD", "G-CNTR", "G-PHAN", "G-PATT",
                            "G-DIMS", "G-TEXT-SM", "G-TEXT-LG", "VIEWPORTS", "Cancel", "Settings"};
    EXPECT_EQ(menuItems(), expected);
    EXPECT_EQ(frmLayer->caption(), QStringLiteral("Brindok"));
    EXPECT_EQ(active(), QStringLiteral("G-PHAN"));
    EXPECT_EQ(layer(QStringLiteral("G-PHAN"))->color(), 2);
    EXPECT_EQ(layer(QStringLiteral("G-PHAN"))->linetype(), QStringLiteral("PHANTOM"));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Linetypes.Load")),
              QStringList{QStringLiteral("Linetypes.Load Phantom acad.lin")});
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(frmLayer->isVisible());
}

TEST_F(LayerMenu, ContinuousIsNeverLoadedAndAnExistingLayerTakesTheStandard)
{
    store("LayerPath", General);
    const auto existing = drawing->layers()->add(QStringLiteral("g-obj1"));
    existing->setLayerOn(false);
    start(QStringLiteral("G-OBJ1"));
    EXPECT_EQ(existing->color(), 1);
    EXPECT_FALSE(existing->layerOn());
    EXPECT_EQ(active(), QStringLiteral("g-obj1"));
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Linetypes.Load")).isEmpty());
}

TEST_F(LayerMenu, FortyLinesShowThirtySixAndThePickSearchesAll)
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines.append(QStringLiteral("L%1,%2,continuous,").arg(i).arg(i + 1));
    lines[39] = QStringLiteral("L35,9,HIDDEN,");
    lines[37] = QStringLiteral("broken");  // past the menu: not read for it
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(Mine, lines));
    ui.expectPopup(QStringLiteral("L35"));
    ui.expectMsgBox(msgbox::Ok, BadFile);  // the pick meets the broken line
    start({}, false);
    EXPECT_EQ(menuItems().size(), 36 + 2);
    EXPECT_EQ(menuItems()[35], QStringLiteral("L35"));
    EXPECT_EQ(layer(QStringLiteral("L35"))->color(), 36) << "made before the broken line, and kept";
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(LayerMenu, TheSameNameTwiceLeavesTheSecondLinesStandard)
{
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(Mine, {"A,1,continuous,", "B,2,continuous,", "A,5,CENTER,", "a,6,HIDDEN,"}));
    start(QStringLiteral("A"));
    EXPECT_EQ(menuItems().mid(0, 4), (QStringList{"A", "B", "A", "a"}));
    EXPECT_EQ(layer(QStringLiteral("A"))->color(), 5);
    EXPECT_EQ(layer(QStringLiteral("A"))->linetype(), QStringLiteral("CENTER"));
    EXPECT_FALSE(hasLayer(QStringLiteral("B")));
}

TEST_F(LayerMenu, NoFileOrAMalformedOneWarnsAndOpensTheSettings)
{
    // First run: no file stored yet.
    ui.expectMsgBox(msgbox::Ok, BadFile);
    start({}, false);
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(frmSettings->isVisible());
    EXPECT_FALSE(dispatcher.ended());

    files.makeFolder(QStringLiteral("C:\\Layers"));
    for (const QStringList& lines : {QStringList{"A,1,continuous,", "", "B,2,continuous,"},
                                     QStringList{"A,1,continuous,", "no comma"}}) {
        store("LayerPath", writeFile(Mine, lines));
        frmSettings.reset();
        frmLayer.reset();
        ui.expectMsgBox(msgbox::Ok, BadFile);
        start({}, false);
        EXPECT_TRUE(frmSettings->isVisible());
        EXPECT_FALSE(hasLayer(QStringLiteral("A")));
    }
}

TEST_F(LayerMenu, AnEmptyFileOffersExtraWhichCreatesNothing)
{
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(Mine, {}));
    const int before = drawing->layers()->count();
    start(QStringLiteral("Extra"));
    EXPECT_EQ(menuItems(), (QStringList{"Extra", "Cancel", "Settings"}));
    EXPECT_EQ(drawing->layers()->count(), before);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(LayerMenu, DismissingLeavesTheWindowAndCancelEnds)
{
    store("LayerPath", General);
    start(QString());
    EXPECT_TRUE(frmLayer->isVisible());
    EXPECT_FALSE(dispatcher.ended());
    frmLayer->close();
    EXPECT_TRUE(dispatcher.ended()) << "closing the window ends the program";
}

TEST_F(LayerMenu, CancelEndsWithNothingCreated)
{
    store("LayerPath", General);
    start(QStringLiteral("Cancel"));
    EXPECT_EQ(drawing->layers()->count(), 1);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(LayerMenu, SettingsFromTheMenuOpensTheForm)
{
    store("LayerPath", General);
    start(QStringLiteral("Settings"));
    EXPECT_TRUE(frmSettings->isVisible());
    EXPECT_FALSE(dispatcher.ended());
}

TEST_F(LayerMenu, CaptionsShowAnAmpersandAndAHyphenAsWritten)
{
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(Mine, {"R&D,3,continuous,", "-,4,continuous,"}));
    start(QStringLiteral("R&&D"));
    EXPECT_EQ(menuItems().mid(0, 2), (QStringList{"R&&D", "-"}));
    EXPECT_EQ(active(), QStringLiteral("R&D"));
    EXPECT_EQ(layer(QStringLiteral("R&D"))->color(), 3);
}

TEST_F(LayerMenu, ALineThatFailsLeavesNoLayerAndTheActiveLayerAlone)
{
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(Mine, {"X,300,HIDDEN,", "Y,0,continuous,", "X,3,continuous,", "X,4,NOSUCH,"}));
    start(QStringLiteral("X"));
    EXPECT_EQ(active(), QStringLiteral("X"));
    EXPECT_EQ(layer(QStringLiteral("X"))->color(), 3) << "the last line failed without touching it";
    EXPECT_FALSE(hasLayer(QStringLiteral("Y")));
    EXPECT_EQ(host->journal().matching(QStringLiteral("Linetypes.Load")),
              QStringList{QStringLiteral("Linetypes.Load NOSUCH acad.lin")})
        << "nothing loaded for a colour outside the index";
}

TEST_F(LayerMenu, APickWhoseOnlyLineFailsChangesNothing)
{
    files.makeFolder(QStringLiteral("C:\\Layers"));
    store("LayerPath", writeFile(Mine, {"Y,0,continuous,", "Z,3,continuous,"}));
    start(QStringLiteral("Y"));
    EXPECT_FALSE(hasLayer(QStringLiteral("Y")));
    EXPECT_EQ(active(), QStringLiteral("0"));
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(LayerMenu, WithoutTheHostItWarnsAndEnds)
{
    t.stopHost();
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("Warning!!! AutoCad Not Running..."));
    start({}, false);
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
}
