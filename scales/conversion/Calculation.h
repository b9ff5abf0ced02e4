#pragma once
// The calculator's arithmetic: reading the number typed and the rounding
// count, rounding to that count of decimals (ties to the even digit) and the
// text the result box shows. MdlCalculate puts these steps in their order.

#include <QString>

namespace conversion {

class Calculation {
public:
    // The number typed in the From box: a plain decimal number, nothing else
    // (error 13), within the range of a double (error 6).
    static double parseValue(const QString& text);

    // The number of decimals: a number, a fraction rounding to the nearest
    // whole count (ties to even). Error 13 for text that is no number, 5 for a
    // negative count. A count beyond what a double can show is kept as the
    // largest int, which leaves every value as it is.
    static int parsePlaces(const QString& text);

    // The value rounded to `places` decimals, written with at most 15
    // significant digits.
    static QString resultText(double value, int places);
};

}  // namespace conversion
