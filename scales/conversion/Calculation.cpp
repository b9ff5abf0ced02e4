#include "scales/conversion/Calculation.h"

#include "platform/runtime/Convert.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Round.h"

#include <cmath>
#include <limits>

namespace conversion {

double Calculation::parseValue(const QString& text) { return runtime::toDouble(text); }

int Calculation::parsePlaces(const QString& text)
{
    // Rounded as a double, not through a whole-number type, so that no count
    // the user types can overflow.
    const double count = std::nearbyint(runtime::toDouble(text));
    if (count < 0)
        runtime::raise(runtime::err::InvalidProcedureCall);
    if (count >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(count);
}

QString Calculation::resultText(double value, int places)
{
    return runtime::formatGeneral(runtime::roundTo(value, places), 15);
}

}  // namespace conversion
