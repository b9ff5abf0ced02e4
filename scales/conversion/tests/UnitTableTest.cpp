#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"
#include "scales/conversion/Calculation.h"
#include "scales/conversion/UnitTable.h"

#include <gtest/gtest.h>
#include <numbers>

using conversion::UnitTable;
using testing_env::errorOf;

namespace {

double convert(double value, const char* from, const char* into)
{
    const auto factor = UnitTable::factor(QString::fromUtf8(from), QString::fromUtf8(into));
    if (!factor) {
        ADD_FAILURE() << "no factor for " << from << " -> " << into;
        return 0;
    }
    return UnitTable::convert(value, *factor);
}

}  // namespace

TEST(UnitTableTest, OffersEveryFromUnitWithItsIntoUnits)
{
    EXPECT_EQ(UnitTable::fromUnits(), QStringList({"Feet", "Degrees", "Gallons", "Millimeters", "Inches"}));
    EXPECT_EQ(UnitTable::intoUnits("Feet"),
              QStringList({"Centimeters", "Chains(Gunter's)", "Fathoms", "Feet(US Survey)", "Furlongs", "Inch",
                           "Kilometers", "Meters", "Microns", "Miles", "Millimeters", "Mils", "Rods", "Ropes",
                           "Yards"}));
    EXPECT_EQ(UnitTable::intoUnits("Degrees"), QStringList({"Circles", "Minutes", "Quadrants", "Radians", "Seconds"}));
    EXPECT_EQ(UnitTable::intoUnits("Gallons"),
              QStringList({"Cu inches", "Cu meters", "Cu yards", "Liters", "Ounces", "Pints", "Quarts"}));
    EXPECT_EQ(UnitTable::intoUnits("Millimeters"),
              QStringList({"Centimeters", "Feet", "Inches", "Meters", "Microns", "Mils", "Yards"}));
    EXPECT_EQ(UnitTable::intoUnits("Inches"),
              QStringList({"Centimeters", "Feet", "Meters", "Miles", "Millimeters", "Yards"}));
}

TEST(UnitTableTest, UnitsAreComparedExactly)
{
    EXPECT_TRUE(UnitTable::intoUnits("feet").isEmpty());
    EXPECT_TRUE(UnitTable::intoUnits("Feet ").isEmpty());
    EXPECT_TRUE(UnitTable::factor("Feet", "Inch").has_value());
    EXPECT_FALSE(UnitTable::factor("Feet", "Inches").has_value());  // the Feet list says "Inch"
    EXPECT_FALSE(UnitTable::factor("Inches", "Inch").has_value());
    EXPECT_FALSE(UnitTable::factor("Degrees", "Feet").has_value());
}

TEST(UnitTableTest, WholeUnitsConvertExactly)
{
    EXPECT_EQ(convert(5280, "Feet", "Miles"), 1.0);
    EXPECT_EQ(convert(66, "Feet", "Chains(Gunter's)"), 1.0);
    EXPECT_EQ(convert(660, "Feet", "Furlongs"), 1.0);
    EXPECT_EQ(convert(16.5, "Feet", "Rods"), 1.0);
    EXPECT_EQ(convert(6, "Feet", "Fathoms"), 1.0);
    EXPECT_EQ(convert(20, "Feet", "Ropes"), 1.0);
    EXPECT_EQ(convert(3, "Feet", "Yards"), 1.0);
    EXPECT_EQ(convert(1, "Feet", "Inch"), 12.0);
    EXPECT_EQ(convert(1, "Feet", "Mils"), 12000.0);
    EXPECT_EQ(convert(1, "Feet", "Microns"), 304800.0);
    EXPECT_EQ(convert(1, "Feet", "Millimeters"), 304.8);
    EXPECT_EQ(convert(1, "Feet", "Meters"), 0.3048);
    EXPECT_EQ(convert(1, "Feet", "Centimeters"), 30.48);
    EXPECT_EQ(convert(1, "Feet", "Kilometers"), 0.0003048);
    EXPECT_EQ(convert(1, "Feet", "Feet(US Survey)"), 0.999998);
    EXPECT_EQ(convert(360, "Degrees", "Circles"), 1.0);
    EXPECT_EQ(convert(90, "Degrees", "Quadrants"), 1.0);
    EXPECT_EQ(convert(1, "Degrees", "Minutes"), 60.0);
    EXPECT_EQ(convert(1, "Degrees", "Seconds"), 3600.0);
    EXPECT_DOUBLE_EQ(convert(180, "Degrees", "Radians"), std::numbers::pi);
    EXPECT_EQ(convert(1, "Gallons", "Cu inches"), 231.0);
    EXPECT_EQ(convert(1, "Gallons", "Liters"), 3.785411784);
    EXPECT_EQ(convert(1, "Gallons", "Cu meters"), 0.003785411784);
    EXPECT_EQ(convert(46656, "Gallons", "Cu yards"), 231.0);
    EXPECT_EQ(convert(1, "Gallons", "Ounces"), 128.0);
    EXPECT_EQ(convert(1, "Gallons", "Pints"), 8.0);
    EXPECT_EQ(convert(1, "Gallons", "Quarts"), 4.0);
    EXPECT_EQ(convert(10, "Millimeters", "Centimeters"), 1.0);
    EXPECT_EQ(convert(304.8, "Millimeters", "Feet"), 1.0);
    EXPECT_EQ(convert(25.4, "Millimeters", "Inches"), 1.0);
    EXPECT_EQ(convert(25.4, "Millimeters", "Mils"), 1000.0);
    EXPECT_EQ(convert(914.4, "Millimeters", "Yards"), 1.0);
    EXPECT_EQ(convert(1000, "Millimeters", "Meters"), 1.0);
    EXPECT_EQ(convert(1, "Millimeters", "Microns"), 1000.0);
    EXPECT_EQ(convert(63360, "Inches", "Miles"), 1.0);
    EXPECT_EQ(convert(36, "Inches", "Yards"), 1.0);
    EXPECT_EQ(convert(12, "Inches", "Feet"), 1.0);
    EXPECT_EQ(convert(1, "Inches", "Millimeters"), 25.4);
    EXPECT_EQ(convert(1, "Inches", "Centimeters"), 2.54);
    EXPECT_EQ(convert(1, "Inches", "Meters"), 0.0254);
}

TEST(UnitTableTest, HugeValuesConvertUntilTheResultItselfOverflows)
{
    // The product with the numerator alone would overflow; the result does not.
    EXPECT_DOUBLE_EQ(convert(1e300, "Gallons", "Cu meters"), 3.785411784e297);
    EXPECT_EQ(errorOf([] { convert(1e305, "Feet", "Microns"); }), runtime::err::Overflow);
    EXPECT_EQ(errorOf([] { convert(-1e305, "Feet", "Mils"); }), runtime::err::Overflow);
}
