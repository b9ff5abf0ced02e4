#include "SectionsFixture.h"

#include "annotation/sections/SectionMarker.h"
#include "platform/cad/HostRegistry.h"
#include "platform/forms/Caption.h"
#include "platform/settings/Store.h"
#include "platform/testing/LayoutCheck.h"

#include <QGroupBox>

using namespace sections;
using namespace sections::test;
namespace msgbox = forms::msgbox;

namespace {

QStringList items(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

class Window : public SectionsTest {
protected:
    QString stored(const QString& key)
    {
        return t.settings().get(QStringLiteral("Sections"), QStringLiteral("Settings"), key, QStringLiteral("<none>"));
    }
    void enterEverything()
    {
        box(QStringLiteral("TxtArrow")).setText(QStringLiteral(".5"));
        box(QStringLiteral("TxtSize")).setText(QStringLiteral(".25"));
        box(QStringLiteral("TxtText")).setText(QStringLiteral("B"));
        box(QStringLiteral("TxtLayerName")).setText(QStringLiteral("Sect"));
        list(QStringLiteral("TxtLineType")).setEditText(QStringLiteral("CENTER"));
        list(QStringLiteral("TxtColor")).setEditText(QStringLiteral("green"));
    }
};

}  // namespace

TEST_F(Window, LoadFillsTheListsAndTheDefaults)
{
    FrmMain& f = start();
    EXPECT_EQ(f.caption(), QStringLiteral("Standard Sections"));
    EXPECT_EQ(items(list(QStringLiteral("TxtColor"))),
              (QStringList{"red", "yellow", "green", "cyan", "blue", "magenta", "white"}));
    EXPECT_EQ(items(list(QStringLiteral("TxtLineType"))),
              (QStringList{"Continuous", "CENTER", "PHANTOM", "PHANTOM2", "PHANTOMX2"}));
    EXPECT_EQ(box(QStringLiteral("TxtSize")).text(), QStringLiteral(".125"));
    EXPECT_EQ(box(QStringLiteral("TxtText")).text(), QStringLiteral("A"));
    EXPECT_EQ(box(QStringLiteral("TxtArrow")).text(), QStringLiteral(".375"));
    EXPECT_EQ(box(QStringLiteral("TxtLayerName")).text(), QString());
    EXPECT_EQ(list(QStringLiteral("TxtLineType")).currentText(), QString());
    EXPECT_EQ(list(QStringLiteral("TxtColor")).currentText(), QString());
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("FrGeneral")).title(), QStringLiteral("Settings:"));
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("FrSettings")).title(), QStringLiteral("Optional Layer Settings:"));
}

TEST_F(Window, TheFirstAttachWaitsForTheTimer)
{
    module = std::make_unique<MdlMain>(env);
    form = std::make_unique<FrmMain>(*module);
    dispatcher.run([&] { form->show(); });
    EXPECT_TRUE(timer().isEnabled());
    EXPECT_EQ(timer().interval(), 300);
    EXPECT_EQ(module->connection().document, nullptr);
    timer().fire();
    EXPECT_EQ(module->connection().document, drawing);

    // The timer follows the drawing the user switches to.
    const auto other = host->addDocument();
    timer().fire();
    EXPECT_EQ(module->connection().document, other);
    timer().setEnabled(false);
}

TEST_F(Window, WithoutAHostTheTickSaysSoAndEnds)
{
    t.hosts().unregisterRunning(cad::HostClassName);
    module = std::make_unique<MdlMain>(env);
    form = std::make_unique<FrmMain>(*module);
    dispatcher.run([&] { form->show(); });
    EXPECT_TRUE(form->isVisible()) << "the window is shown first";
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    timer().fire();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Window, EntriesAreKeptByExitOnly)
{
    FrmMain& f = start();
    enterEverything();
    f.close();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(stored(QStringLiteral("Textsize")), QStringLiteral("<none>")) << "the close box keeps nothing";
}

TEST_F(Window, ExitKeepsTheEntriesForTheNextStart)
{
    start();
    enterEverything();
    control<QPushButton>(QStringLiteral("CmdExit")).click();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_EQ(stored(QStringLiteral("Textsize")), QStringLiteral(".25"));
    EXPECT_EQ(stored(QStringLiteral("SectionText")), QStringLiteral("B"));
    EXPECT_EQ(stored(QStringLiteral("SectionArrow")), QStringLiteral(".5"));
    EXPECT_EQ(stored(QStringLiteral("LayerName")), QStringLiteral("Sect"));
    EXPECT_EQ(stored(QStringLiteral("LineType")), QStringLiteral("CENTER"));
    EXPECT_EQ(stored(QStringLiteral("LayerColor")), QStringLiteral("green"));

    // The next start shows them.
    FrmMain next(*module);
    next.load();
    EXPECT_EQ(testing_env::control<QLineEdit>(next, QStringLiteral("TxtSize")).text(), QStringLiteral(".25"));
    EXPECT_EQ(testing_env::control<QComboBox>(next, QStringLiteral("TxtColor")).currentText(), QStringLiteral("green"));
}

TEST_F(Window, ShowsEveryCaptionWhole)
{
    FrmMain& f = start();
    enterEverything();
    EXPECT_EQ(testing_env::layoutFaults(f), QStringList());
    EXPECT_GE(f.width(), forms::captionWidth(f));
    EXPECT_TRUE(f.grab().save(QStringLiteral("/tmp/sections-FrmMain.png")));
}

TEST(SectionMarkerRules, ArrowsPointAlongTheAxisTheSideLiesFartherAlong)
{
    using D = AxisDirection;
    const cad::Point last{10, 10, 0};
    EXPECT_EQ(SectionMarker::arrowDirection(last, {15, 10, 0}), (D{1, 0}));
    EXPECT_EQ(SectionMarker::arrowDirection(last, {10, 12, 0}), (D{0, 1}));
    EXPECT_EQ(SectionMarker::arrowDirection(last, {2, 10, 0}), (D{-1, 0}));
    EXPECT_EQ(SectionMarker::arrowDirection(last, {10, -3, 0}), (D{0, -1}));
    EXPECT_EQ(SectionMarker::arrowDirection(last, {13, 12, 0}), (D{1, 0}));
    EXPECT_EQ(SectionMarker::arrowDirection(last, {11, 2, 0}), (D{0, -1}));
    EXPECT_EQ(SectionMarker::arrowDirection(last, {7, 13, 0}), (D{-1, 0})) << "a tie takes X";
    EXPECT_EQ(SectionMarker::arrowDirection(last, {10, 10, 5}), std::nullopt);
}

TEST(SectionMarkerRules, ColourNamesInAnyLetterCase)
{
    EXPECT_EQ(SectionMarker::colourNumber(QStringLiteral("red")), 1);
    EXPECT_EQ(SectionMarker::colourNumber(QStringLiteral("Blue")), 5);
    EXPECT_EQ(SectionMarker::colourNumber(QStringLiteral("YELLOW")), 2);
    EXPECT_EQ(SectionMarker::colourNumber(QStringLiteral("white")), 7);
    EXPECT_EQ(SectionMarker::colourNumber(QStringLiteral("purple")), 1);
    EXPECT_EQ(SectionMarker::colourNumber(QString()), 1);
    EXPECT_EQ(SectionMarker::colourNumber(QStringLiteral("5")), 1);
}
