#pragma once
// The runtime's default text of a number ("general" format): what a Double or
// a Single shows when it is put into a text box or joined to a string.

#include <QString>

namespace runtime {

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
