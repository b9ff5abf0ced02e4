#include "platform/runtime/Round.h"

#include "platform/runtime/Error.h"
#include "platform/runtime/Format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace runtime {

namespace {

template <typename Real>
Real roundDecimal(Real value, int places)
{
    if (places < 0)
        raise(err::InvalidProcedureCall);
    if (!std::isfinite(value) || value == 0)
        return value;

    const DecimalDigits decimal = decimalDigits(value);
    const std::string& digits = decimal.digits;
    const bool negative = decimal.negative;
    const long long exponent = decimal.exponent;

    // Number of leading digits that stay; computed wide so any count is safe.
    const long long keep = exponent + 1 + static_cast<long long>(places);
    if (keep >= static_cast<long long>(digits.size()))
        return value;
    if (keep < 0)
        return 0;

    std::string kept = digits.substr(0, static_cast<size_t>(keep));
    const char next = digits[static_cast<size_t>(keep)];
    const bool restNonZero = digits.find_first_not_of('0', static_cast<size_t>(keep) + 1) != std::string::npos;
    const bool lastOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    if (next > '5' || (next == '5' && (restNonZero || lastOdd))) {
        size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    if (kept.find_first_not_of('0') == std::string::npos)
        return 0;

    // kept has at most 17 digits and places is small here, so this is exact text.
    const std::string rounded = kept + "e-" + std::to_string(places);
    Real result = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
    return negative ? -result : result;
}

}  // namespace

double roundTo(double value, int places) { return roundDecimal(value, places); }

float roundSingleTo(float value, int places) { return roundDecimal(value, places); }

}  // namespace runtime
