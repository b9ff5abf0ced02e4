#include "LunvikFixture.h"

#include "platform/cad/CadErrors.h"
#include "platform/cad/HostRegistry.h"
#include "platform/forms/Caption.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/testing/LayoutCheck.h"

#include <QGroupBox>

using namespace lunvik;
using namespace lunvik::test;
namespace msgbox = forms::msgbox;

namespace {

class Select : public LunvikTest {
protected:
    // What a dimension shows, property by property.
    static QString looks(const EntityPtr& dimension)
    {
        return QStringLiteral("%1|%2|%3|%4|%5")
            .arg(dimension->primaryUnitsPrecision())
            .arg(dimension->unitsFormat())
            .arg(dimension->textSuffix(), dimension->textOverride(), dimension->styleName());
    }
    int updates() { return host->journal().matching(QStringLiteral("Entity.Update")).size(); }
};

}  // namespace

TEST_F(Select, PrecisionAndUnitFormatChangeTheDimensionsAndLeaveTheLine)
{
    FrmMain& form = start();
    const QString before = looks(aligned);
    choose(QStringLiteral("Opt2"));
    choose(QStringLiteral("OptArchitectural"));
    select({line, aligned, rotated});
    for (const auto& dimension : {aligned, rotated}) {
        EXPECT_EQ(dimension->primaryUnitsPrecision(), 2);
        EXPECT_EQ(dimension->unitsFormat(), 4);
    }
    EXPECT_EQ(looks(rotated).section(u'|', 2), before.section(u'|', 2)) << "suffix, override and style stay";
    EXPECT_EQ(line->endPoint(), (cad::Point{10, 0, 0}));
    EXPECT_EQ(updates(), 3) << "every picked object is refreshed";
    EXPECT_TRUE(ui.records().isEmpty()) << "the line's refusals are silent";
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(drawing->selectionSets()->items().empty());
}

TEST_F(Select, NothingChosenChangesNothingButRefreshesEveryObject)
{
    start();
    const QString before = looks(aligned);
    select({aligned, line});
    EXPECT_EQ(looks(aligned), before);
    EXPECT_EQ(updates(), 2);
    EXPECT_TRUE(host->journal().matching(QStringLiteral("Entity.PrimaryUnitsPrecision")).isEmpty());
}

TEST_F(Select, SuffixOptionsSetAndRemoveTheSuffix)
{
    start();
    choose(QStringLiteral("OptDiaOn"));
    select({aligned});
    EXPECT_EQ(aligned->textSuffix(), QStringLiteral("%%c"));
    choose(QStringLiteral("OptTyp"));
    select({aligned});
    EXPECT_EQ(aligned->textSuffix(), QStringLiteral(" TYP"));
    choose(QStringLiteral("OptTypoff"));
    select({aligned});
    EXPECT_EQ(aligned->textSuffix(), QString());
    aligned->setTextSuffix(QStringLiteral(" TYP"));
    choose(QStringLiteral("OptDiaOff"));
    select({aligned});
    EXPECT_EQ(aligned->textSuffix(), QString());
    EXPECT_FALSE(control<QRadioButton>(QStringLiteral("OptDiaOn")).isChecked()) << "the four are one group";
}

TEST_F(Select, OverrideAndStyleApplyAndAMissingStyleFailsSilently)
{
    start();
    control<QLineEdit>(QStringLiteral("TxtOverRide")).setText(QStringLiteral("<> MAX"));
    control<QComboBox>(QStringLiteral("CmbStyle")).setEditText(QStringLiteral("Arch"));
    choose(QStringLiteral("Opt3"));
    select({aligned});
    EXPECT_EQ(aligned->textOverride(), QStringLiteral("<> MAX"));
    EXPECT_EQ(aligned->styleName(), QStringLiteral("Arch"));

    control<QComboBox>(QStringLiteral("CmbStyle")).setEditText(QStringLiteral("NoSuchStyle"));
    choose(QStringLiteral("Opt5"));
    select({aligned, rotated});
    EXPECT_EQ(aligned->styleName(), QStringLiteral("Arch"));
    EXPECT_EQ(aligned->primaryUnitsPrecision(), 5);
    EXPECT_EQ(rotated->primaryUnitsPrecision(), 5);
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Select, EveryDimensionKindOfTheHostTakesTheChanges)
{
    start();
    const auto space = drawing->modelSpace();
    const std::vector<EntityPtr> kinds = {
        space->addDimDiametric({-5, 0, 0}, {5, 0, 0}, 2),
        space->addDimRadial({0, 0, 0}, {5, 0, 0}, 2),
        space->addDimAngular({0, 0, 0}, {5, 0, 0}, {0, 5, 0}, {3, 3, 0}),
        space->addDimOrdinate({4, 4, 0}, {4, 8, 0}, true),
    };
    const auto circle = space->addCircle({0, 0, 0}, 5);
    const auto text = space->addText(QStringLiteral("NOTE"), {1, 1, 0}, 0.25);
    choose(QStringLiteral("Opt1"));
    choose(QStringLiteral("OptDecimal"));
    choose(QStringLiteral("OptTyp"));
    std::vector<EntityPtr> picked = kinds;
    picked.push_back(circle);
    picked.push_back(text);
    select(picked);
    for (const auto& dimension : kinds) {
        EXPECT_EQ(dimension->primaryUnitsPrecision(), 1) << dimension->entityName().toStdString();
        EXPECT_EQ(dimension->unitsFormat(), 2);
        EXPECT_EQ(dimension->textSuffix(), QStringLiteral(" TYP"));
    }
    EXPECT_EQ(text->textString(), QStringLiteral("NOTE"));
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Select, CancelChangesNothingAndBringsTheWindowBack)
{
    FrmMain& form = start();
    const QString before = looks(aligned);
    choose(QStringLiteral("Opt8"));
    choose(QStringLiteral("OptFractional"));
    user.cancelSelection();
    control<QPushButton>(QStringLiteral("CmdSelect")).click();
    EXPECT_EQ(looks(aligned), before);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(ui.records().isEmpty());
}

TEST_F(Select, AnErrorEndsTheSelectionWithoutAMessage)
{
    FrmMain& form = start();
    host->failures().failNext(QStringLiteral("Entity.Update"), cad::err::ExceptionOccurred);
    choose(QStringLiteral("Opt6"));
    select({aligned, rotated});
    EXPECT_EQ(aligned->primaryUnitsPrecision(), 6);
    EXPECT_NE(rotated->primaryUnitsPrecision(), 6) << "the work ended at the failing refresh";
    EXPECT_TRUE(ui.records().isEmpty());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Select, EachSelectionGoesToTheDrawingActiveNow)
{
    start();
    const auto other = host->addDocument();
    const auto there = other->modelSpace()->addDimAligned({0, 0, 0}, {2, 0, 0}, {1, 1, 0});
    choose(QStringLiteral("Opt7"));
    select({there});
    EXPECT_EQ(there->primaryUnitsPrecision(), 7);
    EXPECT_EQ(module->connection().document, other);
}

using Window = LunvikTest;

TEST_F(Window, StylesOfTheDrawingAreOfferedAndNothingIsChosen)
{
    FrmMain& form = start();
    EXPECT_EQ(form.caption(), QStringLiteral("Lunvik"));
    const QComboBox& styles = control<QComboBox>(QStringLiteral("CmbStyle"));
    QStringList offered;
    for (int i = 0; i < styles.count(); ++i)
        offered.append(styles.itemText(i));
    EXPECT_EQ(offered, (QStringList{"Standard", "Arch", "Metric"}));
    EXPECT_EQ(styles.currentText(), QString());
    for (QRadioButton* each : form.findChildren<QRadioButton*>())
        EXPECT_FALSE(each->isChecked()) << each->objectName().toStdString();
    for (int places = 0; places <= 8; ++places)
        EXPECT_EQ(control<QRadioButton>(QStringLiteral("Opt") + QString::number(places)).text(),
                  QString::number(places));
}

TEST_F(Window, NoHostAtStartSaysSoAndEnds)
{
    t.hosts().unregisterRunning(cad::HostClassName);
    ui.expectMsgBox(msgbox::Ok, QStringLiteral("AutoCad Not Running"));
    start();
    EXPECT_EQ(ui.last().style, msgbox::Critical);
    EXPECT_TRUE(dispatcher.ended());
}

TEST_F(Window, TransparentTickedAndClearedEndsOpaque)
{
    FrmMain& form = start();
    QCheckBox& box = control<QCheckBox>(QStringLiteral("ChkTransparent"));
    box.click();
    EXPECT_EQ(forms::windowAlpha(&form), 200);
    box.click();
    EXPECT_EQ(forms::windowAlpha(&form), 255);
    EXPECT_TRUE(forms::isLayered(&form));
}

TEST_F(Window, ExitAndTheCloseBoxEnd)
{
    FrmMain& form = start();
    control<QPushButton>(QStringLiteral("CmdClose")).click();
    EXPECT_TRUE(dispatcher.ended());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Window, ShowsEveryCaptionWhole)
{
    FrmMain& form = start();
    EXPECT_EQ(testing_env::layoutFaults(form), QStringList());
    EXPECT_GE(form.width(), forms::captionWidth(form));
    EXPECT_TRUE(form.grab().save(QStringLiteral("/tmp/lunvik-FrmMain.png")));
}
