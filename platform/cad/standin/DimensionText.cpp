#include "platform/cad/standin/DimensionText.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace standin {

namespace {

QString decimal(double value, int precision) { return QString::number(value, 'f', precision); }

// A whole number of 1/denominator parts as "whole num/den", "whole" or
// "num/den", the fraction reduced.
QString mixed(long long parts, long long denominator)
{
    const long long whole = parts / denominator;
    long long numerator = parts % denominator;
    if (numerator == 0)
        return QString::number(whole);
    const long long divisor = std::gcd(numerator, denominator);
    numerator /= divisor;
    const QString fraction = QStringLiteral("%1/%2").arg(numerator).arg(denominator / divisor);
    return whole == 0 ? fraction : QString::number(whole) + QLatin1Char(' ') + fraction;
}

}  // namespace

QString DimensionText::length(double value, int unitsFormat, int precision)
{
    precision = std::clamp(precision, 0, 8);
    // Beyond this the fractional forms count parts past what a whole number
    // holds exactly; such a length is written in decimal.
    constexpr double Largest = 1e12;
    if (!std::isfinite(value) || std::abs(value) >= Largest)
        return decimal(value, precision);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const double size = std::abs(value);
    const long long denominator = 1LL << precision;
    switch (unitsFormat) {
    case 1:
        return QString::number(value, 'E', precision);
    case 3: {
        const double step = std::pow(10.0, precision);
        const double inches = std::round(size * step) / step;
        const double feet = std::floor(inches / 12.0);
        return sign + QString::number(feet, 'f', 0) + QStringLiteral("'-") + decimal(inches - feet * 12.0, precision)
               + QLatin1Char('"');
    }
    case 4: {
        const auto parts = static_cast<long long>(std::llround(size * double(denominator)));
        const long long perFoot = 12 * denominator;
        return sign + QString::number(parts / perFoot) + QStringLiteral("'-") + mixed(parts % perFoot, denominator)
               + QLatin1Char('"');
    }
    case 5:
        return sign + mixed(std::llround(size * double(denominator)), denominator);
    default:
        return decimal(value, precision);
    }
}

QString DimensionText::angle(double radians, int precision)
{
    return decimal(radians * 180.0 / std::numbers::pi, std::clamp(precision, 0, 8)) + QStringLiteral("%%d");
}

}  // namespace standin
