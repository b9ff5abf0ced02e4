#pragma once
// The runtime's default text of a number ("general" format): what a Double or
// a Single shows when it is put into a text box or joined to a string.

#include <QString>
#include <string>

namespace runtime {

// A finite, non-zero number as decimal digits: its sign, its significant
// digits (the first never 0) and the decimal exponent of the first digit, so
// that 0.0125 is {false, "125", -2}. Rounded to `significantDigits` digits
// (then trailing zeros may follow), or, for 0, the shortest digits that read
// back as the same value: for a Single its own shortest text, not its
// Double's.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
DecimalDigits decimalDigits(double value, int significantDigits = 0);
DecimalDigits decimalDigits(float value);

// At most `significantDigits` significant digits (15 for a Double, 7 for a
// Single; clamped to 1..17), rounded from the exact binary value; trailing
// zeros and a trailing point trimmed; "0" for both zeros; no thousands
// separators; the decimal point is ".". Exponent form ("1E+15", "1.5E-07")
// when the decimal exponent of the rounded value is at least
// `significantDigits` or below -4.
// Infinities and NaN cannot arise in the programs; they show as "Infinity",
// "-Infinity" and "NaN".
QString formatGeneral(double value, int significantDigits = 15);

}  // namespace runtime
