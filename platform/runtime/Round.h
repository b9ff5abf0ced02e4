#pragma once
// Rounding to a number of decimal places, ties to the even digit, decided on
// the decimal value the number shows (its shortest round-trip text), so that a
// value written 2.675 counts as a tie although its binary value lies below it.

namespace runtime {

// Error 5 for a negative count. A count beyond the digits the value has
// returns the value unchanged; a count that cuts off every digit gives 0.
double roundTo(double value, int places);

// The same for a Single: the decimal value is the Single's own shortest text,
// and the result stays a Single.
float roundSingleTo(float value, int places);

}  // namespace runtime
