#pragma once
// The calculator's arithmetic without its window: the number typed, the
// factor of the chosen pair, rounding to the chosen number of decimals (ties to
// the even digit) and the text the result box shows.

#include <QString>
#include <optional>

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

    // The whole conversion in the order the window does it: the number, the
    // pair, the product, the count, the result text. No result when the pair
    // is not in the table; errors of the steps are raised.
    static std::optional<QString> calculate(const QString& valueText, const QString& from, const QString& into,
                                            const QString& placesText);
};

}  // namespace conversion
