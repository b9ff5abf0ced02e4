#pragma once
// The calculator's conversion, on the values the window reads: the number
// typed, the From and Into units, the rounding count. It gives back the text
// of the result box, or nothing when the pair has no factor; a bad number or
// count raises its error. The window shows the result or the message.

#include <QString>
#include <optional>

namespace conversion::MdlCalculate {

// The steps in the order the window has always taken them: the number, the
// pair, the product, the count, the result text.
std::optional<QString> calculate(const QString& valueText, const QString& fromUnit, const QString& intoUnit,
                                 const QString& placesText);

}  // namespace conversion::MdlCalculate
