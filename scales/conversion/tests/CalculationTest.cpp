#include "platform/runtime/Error.h"
#include "platform/testing/ErrorOf.h"
#include "scales/conversion/Calculation.h"
#include "scales/conversion/MdlCalculate.h"

#include <gtest/gtest.h>
#include <limits>

using conversion::Calculation;
using testing_env::errorOf;

namespace {

QString calc(const QString& value, const QString& from, const QString& into, const QString& places)
{
    return conversion::MdlCalculate::calculate(value, from, into, places).value_or(QStringLiteral("<not found>"));
}

}  // namespace

TEST(CalculationTest, ConvertsAndRoundsTiesToEven)
{
    EXPECT_EQ(calc("3", "Feet", "Inch", "15"), "36");
    EXPECT_EQ(calc("0.625", "Gallons", "Quarts", "0"), "2");
    EXPECT_EQ(calc("0.875", "Gallons", "Quarts", "0"), "4");
    EXPECT_EQ(calc("1.1", "Feet", "Inch", "15"), "13.2");
    EXPECT_EQ(calc("1", "Inches", "Feet", "15"), "0.083333333333333");
    EXPECT_EQ(calc("1", "Inches", "Feet", "3"), "0.083");
    EXPECT_EQ(calc("5280", "Feet", "Miles", "15"), "1");
    EXPECT_EQ(calc("180", "Degrees", "Radians", "15"), "3.14159265358979");
    EXPECT_EQ(calc("-2.5", "Feet", "Inch", "0"), "-30");
    EXPECT_EQ(calc("0.125", "Gallons", "Pints", "0"), "1");
}

TEST(CalculationTest, InputIsADoubleNotASingle)
{
    EXPECT_EQ(calc("1.1", "Feet", "Centimeters", "15"), "33.528");
    EXPECT_EQ(calc("1.1", "Feet", "Centimeters", "2"), "33.53");
    // Eight significant digits survive the input and the result.
    EXPECT_EQ(calc("12345.678", "Feet", "Inch", "15"), "148148.136");
}

TEST(CalculationTest, ResultHasAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(calc("1", "Feet", "Yards", "15"), "0.333333333333333");
    EXPECT_EQ(calc("1000", "Feet", "Yards", "15"), "333.333333333333");
    EXPECT_EQ(calc("1e15", "Feet", "Inch", "0"), "1.2E+16");
    EXPECT_EQ(calc("0.00001", "Feet", "Miles", "15"), "1.893939E-09");
}

TEST(CalculationTest, RoundingCountFollowsTheText)
{
    EXPECT_EQ(calc("1", "Feet", "Yards", "2.5"), "0.33");     // 2.5 counts as 2
    EXPECT_EQ(calc("1", "Feet", "Yards", "3.5"), "0.3333");   // 3.5 counts as 4
    EXPECT_EQ(calc("1", "Feet", "Yards", " 1 "), "0.3");
    EXPECT_EQ(calc("1", "Feet", "Yards", "-0.4"), "0");        // rounds to a count of 0
    EXPECT_EQ(calc("1", "Feet", "Yards", "1E+30"), "0.333333333333333");
    EXPECT_EQ(calc("1", "Feet", "Yards", "99999999999999999999"), "0.333333333333333");
    EXPECT_EQ(Calculation::parsePlaces("4000000000"), std::numeric_limits<int>::max());
}

TEST(CalculationTest, BadNumbersAreErrors)
{
    for (const char* text : {"", "abc", "inf", "nan", "Infinity", "0x10", "&H10", "1.5ft", "1,5", "1 2", "--1"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorOf([&] { Calculation::parseValue(QString::fromUtf8(text)); }), runtime::err::TypeMismatch);
    }
    EXPECT_EQ(errorOf([] { Calculation::parseValue("1E+400"); }), runtime::err::Overflow);
    EXPECT_EQ(Calculation::parseValue(" -1.5E-3 "), -0.0015);
}

TEST(CalculationTest, BadCountsAreErrors)
{
    EXPECT_EQ(errorOf([] { Calculation::parsePlaces("abc"); }), runtime::err::TypeMismatch);
    EXPECT_EQ(errorOf([] { Calculation::parsePlaces(""); }), runtime::err::TypeMismatch);
    EXPECT_EQ(errorOf([] { Calculation::parsePlaces("nan"); }), runtime::err::TypeMismatch);
    EXPECT_EQ(errorOf([] { Calculation::parsePlaces("-1"); }), runtime::err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([] { Calculation::parsePlaces("-1E+30"); }), runtime::err::InvalidProcedureCall);
}

TEST(CalculationTest, StepsFailInTheWindowsOrder)
{
    // The number is read before the pair is looked up, the count after it.
    EXPECT_EQ(errorOf([] { calc("abc", "Feet", "Quarts", "x"); }), runtime::err::TypeMismatch);
    EXPECT_FALSE(conversion::MdlCalculate::calculate("1", "Feet", "Quarts", "x").has_value());
    EXPECT_EQ(errorOf([] { calc("1", "Feet", "Inch", "x"); }), runtime::err::TypeMismatch);
    EXPECT_EQ(errorOf([] { calc("1e305", "Feet", "Microns", "x"); }), runtime::err::Overflow);
}
