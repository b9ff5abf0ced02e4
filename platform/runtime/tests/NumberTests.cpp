// Text/number conversions, rounding, the general number format and hex text.
#include "platform/runtime/Convert.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Hex.h"
#include "platform/runtime/Round.h"
#include "platform/testing/ErrorOf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace runtime;
using testing_env::errorOf;

TEST(Convert, AcceptsBlanksSignPointAndExponent)
{
    EXPECT_EQ(toInt16(QStringLiteral("42")), 42);
    EXPECT_EQ(toInt16(QStringLiteral("  42 ")), 42);
    EXPECT_EQ(toInt16(QStringLiteral("\t-7\t")), -7);
    EXPECT_EQ(toInt16(QStringLiteral("+3")), 3);
    EXPECT_EQ(toInt16(QStringLiteral("1.5e1")), 15);
    EXPECT_EQ(toInt16(QStringLiteral("1E2")), 100);
    EXPECT_EQ(toInt16(QStringLiteral("1.")), 1);
    EXPECT_EQ(toInt32(QStringLiteral("-1e+5")), -100000);
    EXPECT_DOUBLE_EQ(toDouble(QStringLiteral(" -0.25 ")), -0.25);
    EXPECT_DOUBLE_EQ(toDouble(QStringLiteral(".5")), 0.5);
    EXPECT_DOUBLE_EQ(toDouble(QStringLiteral("1.5E-3")), 0.0015);
    EXPECT_DOUBLE_EQ(toDouble(QStringLiteral("007")), 7.0);
    EXPECT_EQ(toDouble(QStringLiteral("1.7976931348623157e308")), std::numeric_limits<double>::max());
}

TEST(Convert, TextConversionsRoundHalfToEven)
{
    EXPECT_EQ(toInt16(QStringLiteral("2.5")), 2);
    EXPECT_EQ(toInt16(QStringLiteral("3.5")), 4);
    EXPECT_EQ(toInt16(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(toInt16(QStringLiteral(".5")), 0);
    EXPECT_EQ(toInt16(QStringLiteral("2.5000001")), 3);
    EXPECT_EQ(toInt32(QStringLiteral("-3.5")), -4);
}

TEST(Convert, RejectsWhatIsNotANumberWithTypeMismatch)
{
    const char* const bad[] = {"", "   ", "abc", "1x", "x1", "inf", "-inf", "nan", "&H10", "0x10",
                               "1e", "1e+", "+", "-", ".", "-.", "1 2", "1,5", "--1", "+-1",
                               "1.2.3", "1d5", "e5", "1e5.5"};
    for (const char* text : bad) {
        const QString s = QString::fromLatin1(text);
        EXPECT_EQ(errorOf([&] { toInt16(s); }), err::TypeMismatch) << text;
        EXPECT_EQ(errorOf([&] { toInt32(s); }), err::TypeMismatch) << text;
        EXPECT_EQ(errorOf([&] { toDouble(s); }), err::TypeMismatch) << text;
        EXPECT_FALSE(isNumeric(s)) << text;
    }
    // Digits of other scripts are not decimal digits here.
    EXPECT_EQ(errorOf([] { toDouble(QStringLiteral("\u0661\u0662")); }), err::TypeMismatch);
}

TEST(Convert, Int16RangeEdges)
{
    EXPECT_EQ(toInt16(QStringLiteral("32767")), 32767);
    EXPECT_EQ(toInt16(QStringLiteral("32767.49")), 32767);
    EXPECT_EQ(errorOf([] { toInt16(QStringLiteral("32767.5")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(QStringLiteral("32768")); }), err::Overflow);
    EXPECT_EQ(toInt16(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(toInt16(QStringLiteral("-32768.5")), -32768);  // the tie goes to the even -32768
    EXPECT_EQ(errorOf([] { toInt16(QStringLiteral("-32768.6")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(QStringLiteral("-32769")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(QStringLiteral("1e400")); }), err::Overflow);
}

TEST(Convert, Int32RangeEdges)
{
    EXPECT_EQ(toInt32(QStringLiteral("2147483647")), INT32_MAX);
    EXPECT_EQ(errorOf([] { toInt32(QStringLiteral("2147483647.5")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(QStringLiteral("2147483648")); }), err::Overflow);
    EXPECT_EQ(toInt32(QStringLiteral("-2147483648.5")), INT32_MIN);
    EXPECT_EQ(errorOf([] { toInt32(QStringLiteral("-2147483649")); }), err::Overflow);
}

TEST(Convert, DoubleRangeEdges)
{
    EXPECT_EQ(errorOf([] { toDouble(QStringLiteral("1.8e308")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toDouble(QStringLiteral("-1e999")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toDouble(QStringLiteral("1e99999999999999999999999")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toDouble(QStringLiteral("0.001e312")); }), err::Overflow);
    // Too small to represent is zero, not an error; a zero mantissa stays zero.
    EXPECT_EQ(toDouble(QStringLiteral("1e-400")), 0.0);
    EXPECT_EQ(toDouble(QStringLiteral("-1e-99999999999999999999")), 0.0);
    EXPECT_EQ(toDouble(QStringLiteral("1000e-400")), 0.0);
    EXPECT_EQ(toDouble(QStringLiteral("0e99999")), 0.0);
    EXPECT_FALSE(isNumeric(QStringLiteral("1e400")));
    EXPECT_TRUE(isNumeric(QStringLiteral(" 1.5E+3 ")));
}

TEST(Convert, DoubleToWholeNumber)
{
    EXPECT_EQ(toInt16(0.5), 0);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(-0.5), 0);
    EXPECT_EQ(toInt16(-1.5), -2);
    EXPECT_EQ(toInt16(2.4999999999999996), 2);
    EXPECT_EQ(toInt32(4503599627370495.5 - 4503599627370000.0), 496);  // 495.5 -> even 496
    EXPECT_EQ(errorOf([] { toInt16(std::nan("")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(std::numeric_limits<double>::infinity()); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(-1e300); }), err::Overflow);
    EXPECT_EQ(errorOf([] { toInt32(2147483647.5); }), err::Overflow);
}

TEST(Convert, ValTakesTheLeadingNumber)
{
    EXPECT_EQ(val(QStringLiteral("12abc")), 12.0);
    EXPECT_EQ(val(QStringLiteral("  -3.5e2xyz")), -350.0);
    EXPECT_EQ(val(QStringLiteral("\r\n\t7")), 7.0);
    EXPECT_EQ(val(QStringLiteral("1e")), 1.0);
    EXPECT_EQ(val(QStringLiteral("1e+")), 1.0);
    EXPECT_EQ(val(QStringLiteral(".5.")), 0.5);
    EXPECT_EQ(val(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(val(QString()), 0.0);
    EXPECT_EQ(val(QStringLiteral("-")), 0.0);
    EXPECT_EQ(val(QStringLiteral("x12")), 0.0);
    EXPECT_EQ(val(QStringLiteral("1e400")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(val(QStringLiteral("-1e400")), -std::numeric_limits<double>::infinity());
}

TEST(Round, TiesGoToTheEvenDigit)
{
    EXPECT_EQ(roundTo(2.5, 0), 2.0);
    EXPECT_EQ(roundTo(3.5, 0), 4.0);
    EXPECT_EQ(roundTo(-2.5, 0), -2.0);
    EXPECT_EQ(roundTo(0.5, 0), 0.0);
    EXPECT_EQ(roundTo(99.5, 0), 100.0);
    EXPECT_EQ(roundTo(0.125, 2), 0.12);
    EXPECT_EQ(roundTo(0.375, 2), 0.38);
    // Ties are judged on the decimal the value shows, not on its binary value.
    EXPECT_EQ(roundTo(2.675, 2), 2.68);
    EXPECT_EQ(roundTo(2.665, 2), 2.66);
    EXPECT_EQ(roundTo(1.005, 2), 1.0);
    EXPECT_EQ(roundTo(9.995, 2), 10.0);
    EXPECT_EQ(roundTo(-0.0015, 3), -0.002);
}

TEST(Round, NonTiesRoundToNearest)
{
    EXPECT_EQ(roundTo(2.6751, 2), 2.68);
    EXPECT_EQ(roundTo(2.6749, 2), 2.67);
    EXPECT_EQ(roundTo(-1.2345678, 3), -1.235);
    EXPECT_EQ(roundTo(2.50000001, 0), 3.0);
    EXPECT_EQ(roundTo(0.0004, 3), 0.0);
    EXPECT_EQ(roundTo(0.0006, 3), 0.001);
    EXPECT_EQ(roundTo(0.0833333333333333, 15), 0.083333333333333);
    EXPECT_EQ(roundTo(123456.789, 0), 123457.0);
    // A result of zero is a plain zero, whatever the sign of the input.
    EXPECT_FALSE(std::signbit(roundTo(-0.4, 0)));
}

TEST(Round, AnyPlaceCountIsSafe)
{
    EXPECT_EQ(roundTo(1.1, INT_MAX), 1.1);
    EXPECT_EQ(roundTo(123.456, 400), 123.456);
    EXPECT_EQ(roundTo(1e-300, 1000), 1e-300);
    EXPECT_EQ(roundTo(5e-324, 324), 5e-324);
    EXPECT_EQ(roundTo(5e-324, 323), 0.0);
    EXPECT_EQ(roundTo(1e20, 0), 1e20);
    EXPECT_EQ(roundTo(std::numeric_limits<double>::max(), 0), std::numeric_limits<double>::max());
    EXPECT_EQ(roundTo(0.0, 5), 0.0);
    EXPECT_TRUE(std::isinf(roundTo(std::numeric_limits<double>::infinity(), 2)));
    EXPECT_EQ(errorOf([] { roundTo(1.5, -1); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([] { roundTo(1.5, INT_MIN); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([] { roundSingleTo(1.5f, -1); }), err::InvalidProcedureCall);
}

TEST(Round, SingleRoundsOnItsOwnDecimal)
{
    // 1.3375 as a Single lies below the tie; as a Double widened from it, the
    // tie is lost, so Single values need their own rounding.
    EXPECT_EQ(roundSingleTo(1.3375f, 3), 1.338f);
    EXPECT_EQ(roundTo(static_cast<double>(1.3375f), 3), 1.337);
    EXPECT_EQ(roundSingleTo(2.5f, 0), 2.0f);
    EXPECT_EQ(roundSingleTo(3.5f, 0), 4.0f);
    EXPECT_EQ(roundSingleTo(13.2f, 15), 13.2f);
    EXPECT_EQ(roundSingleTo(std::numeric_limits<float>::max(), 0), std::numeric_limits<float>::max());
}

TEST(Format, DecimalDigitsAreTheShortestOrTheRounded)
{
    const DecimalDigits small = decimalDigits(-0.0125);
    EXPECT_TRUE(small.negative);
    EXPECT_EQ(small.digits, "125");
    EXPECT_EQ(small.exponent, -2);
    // A Single's own shortest digits, not those of the Double it widens to.
    EXPECT_EQ(decimalDigits(0.1f).digits, "1");
    EXPECT_EQ(decimalDigits(static_cast<double>(0.1f)).digits, "10000000149011612");
    // Rounded to three digits, with the carry into the exponent.
    const DecimalDigits rounded = decimalDigits(9.996, 3);
    EXPECT_EQ(rounded.digits, "100");
    EXPECT_EQ(rounded.exponent, 1);
}

TEST(Format, GeneralTrimsAndChoosesPlainForm)
{
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(1.0), "1");
    EXPECT_EQ(formatGeneral(1.5), "1.5");
    EXPECT_EQ(formatGeneral(-1.5), "-1.5");
    EXPECT_EQ(formatGeneral(100.0), "100");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(formatGeneral(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(formatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral(0.0001), "0.0001");
    EXPECT_EQ(formatGeneral(-0.00012345), "-0.00012345");
}

TEST(Format, GeneralExponentForm)
{
    EXPECT_EQ(formatGeneral(1e15), "1E+15");
    EXPECT_EQ(formatGeneral(999999999999999.9), "1E+15");  // rounding carries into the exponent
    EXPECT_EQ(formatGeneral(1234567890123456.0), "1.23456789012346E+15");
    EXPECT_EQ(formatGeneral(1.5e-7), "1.5E-07");
    EXPECT_EQ(formatGeneral(0.00001), "1E-05");
    EXPECT_EQ(formatGeneral(-2.5e-300), "-2.5E-300");
    EXPECT_EQ(formatGeneral(1e100), "1E+100");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::max()), "1.79769313486232E+308");
}

TEST(Format, GeneralSingleShowsSevenDigits)
{
    EXPECT_EQ(formatGeneral(13.2f, 7), "13.2");
    EXPECT_EQ(formatGeneral(0.1f, 7), "0.1");
    EXPECT_EQ(formatGeneral(1234567.0f, 7), "1234567");
    EXPECT_EQ(formatGeneral(12345678.0f, 7), "1.234568E+07");
    EXPECT_EQ(formatGeneral(1e7f, 7), "1E+07");
    // The same Single with fifteen digits shows its binary error.
    EXPECT_EQ(formatGeneral(13.2f, 15), "13.1999998092651");
    // Digit counts outside 1..17 are clamped.
    EXPECT_EQ(formatGeneral(0.1, 40), "0.10000000000000001");
    EXPECT_EQ(formatGeneral(4.0, 0), "4");
}

TEST(Format, UnitCalculatorResults)
{
    // Input held as a Single, product formed and kept in Double or Single,
    // rounded, then shown.
    const float feet = 1.1f;
    const double centimeters = static_cast<double>(feet) * 30.48;
    EXPECT_EQ(formatGeneral(roundTo(centimeters, 15)), "33.5280007266998");
    EXPECT_EQ(formatGeneral(roundTo(centimeters, 2)), "33.53");

    const float inches = feet * 12.0f;
    EXPECT_EQ(formatGeneral(roundSingleTo(inches, 15), 7), "13.2");
    EXPECT_EQ(formatGeneral(roundSingleTo(3.0f * 12.0f, 15), 7), "36");

    EXPECT_EQ(formatGeneral(roundTo(1.0f * 0.0833333333333333, 15)), "0.083333333333333");

    EXPECT_EQ(formatGeneral(roundSingleTo(0.625f * 4.0f, 0), 7), "2");
    EXPECT_EQ(formatGeneral(roundSingleTo(0.875f * 4.0f, 0), 7), "4");
}

TEST(Hex, UpperCaseTwosComplement)
{
    EXPECT_EQ(hex32(429), "1AD");
    EXPECT_EQ(hex32(-2145320928), "80210020");
    EXPECT_EQ(hex32(-2147352567), "80020009");
    EXPECT_EQ(hex32(0), "0");
    EXPECT_EQ(hex32(-1), "FFFFFFFF");
    EXPECT_EQ(hex32(INT32_MIN), "80000000");
    EXPECT_EQ(hex32(INT32_MAX), "7FFFFFFF");
}
