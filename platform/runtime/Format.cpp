#include "platform/runtime/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace runtime {

namespace {

// The number's scientific text (e.g. "-1.50000000000000e-07"), taken apart.
template <typename Real>
DecimalDigits digitsOf(Real value, int significantDigits)
{
    char buffer[64];
    const auto written = significantDigits > 0
                             ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                             significantDigits - 1)
                             : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, written.ptr);
    DecimalDigits decimal;
    decimal.negative = text.front() == '-';
    const size_t ePos = text.find('e');
    for (size_t i = decimal.negative ? 1 : 0; i < ePos; ++i) {
        if (text[i] != '.')
            decimal.digits += text[i];
    }
    decimal.exponent = std::atoi(text.c_str() + ePos + 1);
    return decimal;
}

}  // namespace

DecimalDigits decimalDigits(double value, int significantDigits) { return digitsOf(value, significantDigits); }

DecimalDigits decimalDigits(float value) { return digitsOf(value, 0); }

QString formatGeneral(double value, int significantDigits)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0)
        return QStringLiteral("0");
    const int precision = std::clamp(significantDigits, 1, 17);

    // Rounding first matters because it can carry into the exponent
    // (9.99…→1E+15).
    DecimalDigits decimal = decimalDigits(value, precision);
    std::string& digits = decimal.digits;
    digits.erase(digits.find_last_not_of('0') + 1);  // never empty: value != 0
    const bool negative = decimal.negative;
    const int exponent = decimal.exponent;

    std::string out = negative ? "-" : "";
    if (exponent >= precision || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2)
            out += '0';
        out += magnitude;
    } else if (exponent >= 0) {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + "." + digits.substr(whole);
        }
    } else {
        out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    return QString::fromLatin1(out);
}

}  // namespace runtime
