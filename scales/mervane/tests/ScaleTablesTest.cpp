#include "platform/runtime/Convert.h"
#include "scales/mervane/ScaleTables.h"

#include <gtest/gtest.h>

using mervane::ScaleFamily;
using mervane::ScaleTables;

namespace {

QList<QStringList> textsOf(ScaleFamily family)
{
    QList<QStringList> texts;
    for (const mervane::ScaleRow& row : ScaleTables::rows(family))
        texts.append(row.texts());
    return texts;
}

}  // namespace

TEST(ScaleTablesTest, FamiliesHaveTheirNamesAndRowCounts)
{
    EXPECT_EQ(ScaleTables::families().size(), ScaleTables::FamilyCount);
    EXPECT_EQ(ScaleTables::familyName(ScaleFamily::Architectural), "Architectural");
    EXPECT_EQ(ScaleTables::familyName(ScaleFamily::Machine), "Machine");
    EXPECT_EQ(ScaleTables::familyName(ScaleFamily::Civil), "Civil");
    EXPECT_EQ(ScaleTables::familyName(ScaleFamily::Metric), "Metric");
    EXPECT_EQ(ScaleTables::rowCount(ScaleFamily::Architectural), 12);
    EXPECT_EQ(ScaleTables::rowCount(ScaleFamily::Machine), 11);
    EXPECT_EQ(ScaleTables::rowCount(ScaleFamily::Civil), 11);
    EXPECT_EQ(ScaleTables::rowCount(ScaleFamily::Metric), 10);
    EXPECT_EQ(ScaleTables::columnTitles(), QStringList({"DWG Scales", "Scale Factor", "Text Size SM", "Text Size LG",
                                                        "LTScale", "Dimension Style"}));
    EXPECT_EQ(ScaleTables::columnWidths(), QList<int>({1400, 1400, 1200, 1200, 1000, 1400}));
}

TEST(ScaleTablesTest, ArchitecturalRows)
{
    const QList<QStringList> expected = {
        {"12=1'-0", "1", "0.125", "0.1875", "0.5", "(ISO)"},
        {"6=1'-0", "2", "0.25", "0.1875", "1", "(ISO2)"},
        {"3=1'-0", "4", "0.50", "0.75", "2", "(ISO4)"},
        {"1 1/2=1'-0", "8", "1.00", "1.50", "4", "(ISO8)"},
        {"1=1'-0", "12", "1.50", "2.25", "6", "(ISO12)"},
        {"3/4=1'-0", "16", "2.00", "3.00", "8", "(ISO16)"},
        {"1/2=1'-0", "24", "3.00", "4.50", "12", "(ISO24)"},
        {"3/8=1'-0", "32", "4.00", "6.00", "16", "(ISO32)"},
        {"1/4=1'-0", "48", "6.00", "9.00", "24", "(ISO48)"},
        {"3/16=1'-0", "64", "8.00", "12.00", "32", "(ISO64)"},
        {"1/8=1'-0", "96", "12.00", "18.00", "48", "(ISO96)"},
        {"1/16=1'-0", "192", "24.00", "36.00", "96", "(ISO192)"},
    };
    EXPECT_EQ(textsOf(ScaleFamily::Architectural), expected);
    const QList<double> scales = {1, 2, 4, 8, 12, 16, 24, 32, 48, 64, 96, 192};
    for (int i = 0; i < scales.size(); ++i)
        EXPECT_EQ(ScaleTables::zoomFactor(ScaleFamily::Architectural, i + 1), 1.0 / scales[i]) << "row " << i + 1;
    EXPECT_EQ(ScaleTables::zoomFactor(ScaleFamily::Architectural, 12), 0.005208333333333333);
}

TEST(ScaleTablesTest, MachineRows)
{
    const QList<QStringList> expected = {
        {"4/1 ", "0.25", "0.03125", "0.0469", "0.125", "(ANSI025)"},
        {"2/1", "0.5", "0.0625", "0.0938", "0.25", "(ANSI05)"},
        {"1/1", "1", "0.125", "0.1875", "0.5", "(ANSI)"},
        {"1/2", "2", "0.25", "0.375", "1", "(ANSI2)"},
        {"1/4", "4", "0.5", "0.75", "2", "(ANSI4)"},
        {"1/8", "8", "1", "1.5", "4", "(ANSI8)"},
        {"1/10", "10", "1.25", "1.1875", "5", "(ANSI10)"},
        {"1/20", "20", "2.50", "3.75", "10", "(ANSI20)"},
        {"1/30", "30", "3.75", "5.625", "15", "(ANSI30)"},
        {"1/40", "40", "5.00", "7.50", "20", "(ANSI40)"},
        {"1/50", "50", "6.25", "9.375", "25", "(ANSI50)"},
    };
    EXPECT_EQ(textsOf(ScaleFamily::Machine), expected);
    const QList<double> zooms = {4, 2, 1, 1.0 / 2, 1.0 / 4, 1.0 / 8, 1.0 / 10, 1.0 / 20, 1.0 / 30, 1.0 / 40, 1.0 / 50};
    for (int i = 0; i < zooms.size(); ++i)
        EXPECT_EQ(ScaleTables::zoomFactor(ScaleFamily::Machine, i + 1), zooms[i]) << "row " << i + 1;
}

TEST(ScaleTablesTest, CivilRows)
{
    const QList<QStringList> expected = {
        {"1=10'", "120", "15", "22.5", "60", "(ISO120)"},
        {"1=20'", "240", "30", "45", "120", "(ISO240)"},
        {"1=30'", "360", "45", "67.5", "180", "(ISO360)"},
        {"1=40'", "480", "60", "90", "240", "(ISO480)"},
        {"1=50'", "600", "75", "112.5", "300", "(ISO600)"},
        {"1=60'", "720", "90", "135", "360", "(ISO720)"},
        {"1=100'", "1200", "150", "225", "600", "(ISO1200)"},
        {"1=200'", "2400", "300", "450", "1200", "(ISO2400)"},
        {"1=300'", "3600", "450", "675", "1800", "(ISO3600)"},
        {"1=400'", "4800", "600", "900", "2400", "(ISO4800)"},
        {"1=500'", "6000", "750", "1125", "3000", "(ISO4800)"},
    };
    EXPECT_EQ(textsOf(ScaleFamily::Civil), expected);
    const QList<double> scales = {120, 240, 360, 480, 600, 720, 1200, 2400, 3600, 4800, 6000};
    for (int i = 0; i < scales.size(); ++i)
        EXPECT_EQ(ScaleTables::zoomFactor(ScaleFamily::Civil, i + 1), 1.0 / scales[i]) << "row " << i + 1;
    EXPECT_EQ(ScaleTables::zoomFactor(ScaleFamily::Civil, 5), 1.0 / 600);
}

TEST(ScaleTablesTest, MetricRows)
{
    const QList<QStringList> expected = {
        {"5:1", ".20", "0.635", "0.952", "2.5", "(ISO02)"},
        {"2:1", ".50", "1.587", "2.381", "6.3", "(ISO05)"},
        {"1:1", "1", "3.175", "4.762", "12.7", "(ISO)"},
        {"1:2", "2", "6.350", "9.524", "25", "(ISO02)"},
        {"1:5", "5", "15.88", "23.81", "63", "(ISO5)"},
        {"1:10", "10", "31.75", "47.62", "127", "(ISO10)"},
        {"1:20", "20", "63.50", "95.24", "254", "(ISO20)"},
        {"1:50", "50", "158.75", "238.10", "635", "(ISO50)"},
        {"1:75", "75", "238.12", "357.15", "952", "(ISO75)"},
        {"1:100", "100", "317.50", "476.20", "1270", "(ISO100)"},
    };
    EXPECT_EQ(textsOf(ScaleFamily::Metric), expected);
    const QList<double> zooms = {5, 2, 1, 1.0 / 2, 1.0 / 5, 1.0 / 10, 1.0 / 20, 1.0 / 50, 1.0 / 75, 1.0 / 100};
    for (int i = 0; i < zooms.size(); ++i)
        EXPECT_EQ(ScaleTables::zoomFactor(ScaleFamily::Metric, i + 1), zooms[i]) << "row " << i + 1;
}

TEST(ScaleTablesTest, ZoomIsTheReciprocalOfTheShownScaleFactor)
{
    for (ScaleFamily family : ScaleTables::families())
        for (const mervane::ScaleRow& row : ScaleTables::rows(family))
            EXPECT_EQ(row.factor, runtime::toDouble(row.scaleFactor)) << row.dwgScale.toStdString();
}

TEST(ScaleTablesTest, PositionsOutsideTheFamilyGiveNoZoom)
{
    for (ScaleFamily family : ScaleTables::families()) {
        EXPECT_FALSE(ScaleTables::zoomFactor(family, 0).has_value());
        EXPECT_FALSE(ScaleTables::zoomFactor(family, -1).has_value());
        EXPECT_FALSE(ScaleTables::zoomFactor(family, ScaleTables::rowCount(family) + 1).has_value());
        EXPECT_TRUE(ScaleTables::zoomFactor(family, ScaleTables::rowCount(family)).has_value());
    }
}
