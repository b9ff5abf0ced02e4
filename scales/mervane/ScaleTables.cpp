#include "scales/mervane/ScaleTables.h"

namespace mervane {

namespace {

// Every cell is a literal: the tables are what drafters print on their
// drawings, including the few cells that do not follow their column's rule
// (Architectural row 2 large text, Machine row 7 large text, the dimension
// styles of Civil row 11 and Metric row 4). They are shown as they stand.

const QList<ScaleRow> kArchitectural = {
    {"12=1'-0", "1", "0.125", "0.1875", "0.5", "(ISO)", 1},
    {"6=1'-0", "2", "0.25", "0.1875", "1", "(ISO2)", 2},
    {"3=1'-0", "4", "0.50", "0.75", "2", "(ISO4)", 4},
    {"1 1/2=1'-0", "8", "1.00", "1.50", "4", "(ISO8)", 8},
    {"1=1'-0", "12", "1.50", "2.25", "6", "(ISO12)", 12},
    {"3/4=1'-0", "16", "2.00", "3.00", "8", "(ISO16)", 16},
    {"1/2=1'-0", "24", "3.00", "4.50", "12", "(ISO24)", 24},
    {"3/8=1'-0", "32", "4.00", "6.00", "16", "(ISO32)", 32},
    {"1/4=1'-0", "48", "6.00", "9.00", "24", "(ISO48)", 48},
    {"3/16=1'-0", "64", "8.00", "12.00", "32", "(ISO64)", 64},
    {"1/8=1'-0", "96", "12.00", "18.00", "48", "(ISO96)", 96},
    {"1/16=1'-0", "192", "24.00", "36.00", "96", "(ISO192)", 192},
};

const QList<ScaleRow> kMachine = {
    {"4/1 ", "0.25", "0.03125", "0.0469", "0.125", "(ANSI025)", 0.25},
    {"2/1", "0.5", "0.0625", "0.0938", "0.25", "(ANSI05)", 0.5},
    {"1/1", "1", "0.125", "0.1875", "0.5", "(ANSI)", 1},
    {"1/2", "2", "0.25", "0.375", "1", "(ANSI2)", 2},
    {"1/4", "4", "0.5", "0.75", "2", "(ANSI4)", 4},
    {"1/8", "8", "1", "1.5", "4", "(ANSI8)", 8},
    {"1/10", "10", "1.25", "1.1875", "5", "(ANSI10)", 10},
    {"1/20", "20", "2.50", "3.75", "10", "(ANSI20)", 20},
    {"1/30", "30", "3.75", "5.625", "15", "(ANSI30)", 30},
    {"1/40", "40", "5.00", "7.50", "20", "(ANSI40)", 40},
    {"1/50", "50", "6.25", "9.375", "25", "(ANSI50)", 50},
};

const QList<ScaleRow> kCivil = {
    {"1=10'", "120", "15", "22.5", "60", "(ISO120)", 120},
    {"1=20'", "240", "30", "45", "120", "(ISO240)", 240},
    {"1=30'", "360", "45", "67.5", "180", "(ISO360)", 360},
    {"1=40'", "480", "60", "90", "240", "(ISO480)", 480},
    {"1=50'", "600", "75", "112.5", "300", "(ISO600)", 600},
    {"1=60'", "720", "90", "135", "360", "(ISO720)", 720},
    {"1=100'", "1200", "150", "225", "600", "(ISO1200)", 1200},
    {"1=200'", "2400", "300", "450", "1200", "(ISO2400)", 2400},
    {"1=300'", "3600", "450", "675", "1800", "(ISO3600)", 3600},
    {"1=400'", "4800", "600", "900", "2400", "(ISO4800)", 4800},
    {"1=500'", "6000", "750", "1125", "3000", "(ISO4800)", 6000},
};

const QList<ScaleRow> kMetric = {
    {"5:1", ".20", "0.635", "0.952", "2.5", "(ISO02)", 0.2},
    {"2:1", ".50", "1.587", "2.381", "6.3", "(ISO05)", 0.5},
    {"1:1", "1", "3.175", "4.762", "12.7", "(ISO)", 1},
    {"1:2", "2", "6.350", "9.524", "25", "(ISO02)", 2},
    {"1:5", "5", "15.88", "23.81", "63", "(ISO5)", 5},
    {"1:10", "10", "31.75", "47.62", "127", "(ISO10)", 10},
    {"1:20", "20", "63.50", "95.24", "254", "(ISO20)", 20},
    {"1:50", "50", "158.75", "238.10", "635", "(ISO50)", 50},
    {"1:75", "75", "238.12", "357.15", "952", "(ISO75)", 75},
    {"1:100", "100", "317.50", "476.20", "1270", "(ISO100)", 100},
};

}  // namespace

QStringList ScaleRow::texts() const
{
    return {dwgScale, scaleFactor, textSizeSm, textSizeLg, ltScale, dimensionStyle};
}

QList<ScaleFamily> ScaleTables::families()
{
    return {ScaleFamily::Architectural, ScaleFamily::Machine, ScaleFamily::Civil, ScaleFamily::Metric};
}

QString ScaleTables::familyName(ScaleFamily family)
{
    switch (family) {
    case ScaleFamily::Architectural:
        return QStringLiteral("Architectural");
    case ScaleFamily::Machine:
        return QStringLiteral("Machine");
    case ScaleFamily::Civil:
        return QStringLiteral("Civil");
    case ScaleFamily::Metric:
        return QStringLiteral("Metric");
    }
    return {};
}

const QList<ScaleRow>& ScaleTables::rows(ScaleFamily family)
{
    switch (family) {
    case ScaleFamily::Machine:
        return kMachine;
    case ScaleFamily::Civil:
        return kCivil;
    case ScaleFamily::Metric:
        return kMetric;
    case ScaleFamily::Architectural:
        break;
    }
    return kArchitectural;
}

std::optional<double> ScaleTables::zoomFactor(ScaleFamily family, int position)
{
    const QList<ScaleRow>& table = rows(family);
    if (position < 1 || position > table.size())
        return std::nullopt;
    return table[position - 1].zoomFactor();
}

QStringList ScaleTables::columnTitles()
{
    return {QStringLiteral("DWG Scales"),   QStringLiteral("Scale Factor"), QStringLiteral("Text Size SM"),
            QStringLiteral("Text Size LG"), QStringLiteral("LTScale"),      QStringLiteral("Dimension Style")};
}

QList<int> ScaleTables::columnWidths() { return {1400, 1400, 1200, 1200, 1000, 1400}; }

}  // namespace mervane
