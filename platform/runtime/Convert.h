#pragma once
// Text-to-number conversions with the strictness of the original runtime, and
// the conversions of a Double to the whole-number types, which round half to
// even. Text is a decimal number with optional blanks around it (space, tab),
// an optional sign, digits with an optional decimal point, and an optional
// exponent ("1.5E-3"); the decimal point is always ".".

#include <QString>
#include <cstdint>

namespace runtime {

// To a 16-bit whole number: error 13 for text that is not a number, 6 when
// the rounded value is outside -32768..32767.
int16_t toInt16(const QString& text);
// To a 32-bit whole number: as toInt16, for -2147483648..2147483647.
int32_t toInt32(const QString& text);
// To a Double: error 13 for text that is not a number, 6 beyond the Double range.
// Numbers too small to represent become 0.
double toDouble(const QString& text);

// Half-to-even rounding to a whole number (2.5 -> 2, 3.5 -> 4, -2.5 -> -2);
// error 6 when the result does not fit or the value is not a number.
int16_t toInt16(double value);
int32_t toInt32(double value);

// True exactly when toDouble would succeed.
bool isNumeric(const QString& text);

// The number at the start of the text (after leading blanks, tabs and
// line breaks), 0 when there is none. Never raises: a leading number beyond
// the Double range gives an infinity of its sign.
double val(const QString& text);

}  // namespace runtime
