#include "layers/wexmoor/CommandCategories.h"

#include <gtest/gtest.h>

using wexmoor::CommandCategories;

namespace {
std::optional<int> combo(const char* command, const char* mode = "Solid")
{
    return CommandCategories::comboFor(QString::fromLatin1(command), QString::fromLatin1(mode));
}
}  // namespace

TEST(CommandToLayer, EachCategoryHasItsComboBox)
{
    for (const char* text : {"MTEXT", "DTEXT", "TEXT"})
        EXPECT_EQ(combo(text), 10) << text;
    for (const char* dimension : {"DIMLINEAR", "DIMALIGNED", "DIMANGULAR", "DIMRADIUS", "DIMORDINATE", "DIMCONTINUE",
                                  "DIMBASELINE", "TOLERANCE", "DIMDIAMETER"})
        EXPECT_EQ(combo(dimension), 9) << dimension;
    EXPECT_EQ(combo("QLEADER"), 8);
    EXPECT_EQ(combo("DIMCENTER"), 7) << "the centre mark, not a dimension";
    EXPECT_EQ(combo("BHATCH"), 6);
    EXPECT_EQ(CommandCategories::categories()[7].key, QStringLiteral("Mark"));
    EXPECT_EQ(CommandCategories::categories()[6].label, QStringLiteral("Hatch Layer:"));
}

TEST(CommandToLayer, DrawCommandsFollowTheDrawMode)
{
    const QList<QPair<const char*, int>> modes = {{"Solid", 0},   {"Solid2", 1}, {"Solid3", 2}, {"Center", 3},
                                                  {"Phantom", 4}, {"Dash", 5},   {"Other", 11}};
    for (const char* draw : {"LINE", "CIRCLE", "RAY", "SPLINE", "ELLIPSE", "RECTANG", "ARC"}) {
        for (const auto& [mode, index] : modes)
            EXPECT_EQ(combo(draw, mode), index) << draw << " " << mode;
    }
    int item = 0;
    for (const auto& [mode, index] : modes) {
        EXPECT_EQ(CommandCategories::drawModeMenu()[size_t(item++)].mode, QString::fromLatin1(mode));
        (void)index;
    }
}

TEST(CommandToLayer, OtherNamesLowerCaseAndPrefixesBelongNowhere)
{
    for (const char* other : {"PLINE", "HATCH", "LEADER", "XLINE", "MLINE", "DIM", "", "DIMSTYLE"})
        EXPECT_FALSE(combo(other)) << other;
    for (const char* changed : {"line", "Line", "_LINE", "._LINE", "'LINE", "mtext", "LINE "})
        EXPECT_FALSE(combo(changed)) << changed;
}
