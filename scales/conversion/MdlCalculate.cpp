#include "scales/conversion/MdlCalculate.h"

#include "scales/conversion/Calculation.h"
#include "scales/conversion/UnitTable.h"

namespace conversion::MdlCalculate {

std::optional<QString> calculate(const QString& valueText, const QString& fromUnit, const QString& intoUnit,
                                 const QString& placesText)
{
    const double value = Calculation::parseValue(valueText);
    const std::optional<UnitFactor> factor = UnitTable::factor(fromUnit, intoUnit);
    if (!factor)
        return std::nullopt;
    const double product = UnitTable::convert(value, *factor);
    const int places = Calculation::parsePlaces(placesText);
    return Calculation::resultText(product, places);
}

}  // namespace conversion::MdlCalculate
