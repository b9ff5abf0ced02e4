#include "scales/conversion/UnitTable.h"

#include "platform/runtime/Error.h"

#include <QList>
#include <cmath>
#include <numbers>

namespace conversion {

namespace {

struct Entry {
    QString from;
    QString into;
    UnitFactor factor;
};

// Lengths in thousandths of a millimetre where a ratio needs them: the foot is
// 0.3048 m and the inch 25.4 mm by definition, the US survey foot 1200/3937 m.
// The US gallon is 231 cubic inches, so its metric size follows from the inch.
constexpr double kFootMm = 304.8;
constexpr double kCubicInchesPerGallon = 231;
// 231 * 25.4^3 cubic millimetres, exactly: 3785411.784 mm3 = 3.785411784 litres.
constexpr double kGallonMicrolitres = 3785411784;

const QList<Entry>& entries()
{
    static const QList<Entry> table = {
        {"Feet", "Centimeters", {3048, 100}},
        {"Feet", "Chains(Gunter's)", {1, 66}},
        {"Feet", "Fathoms", {1, 6}},
        // 0.3048 m / (1200/3937 m) = 0.3048 * 3937 / 1200.
        {"Feet", "Feet(US Survey)", {3048.0 * 3937.0, 10000.0 * 1200.0}},
        {"Feet", "Furlongs", {1, 660}},
        {"Feet", "Inch", {12, 1}},
        {"Feet", "Kilometers", {3048, 10000000}},
        {"Feet", "Meters", {3048, 10000}},
        {"Feet", "Microns", {kFootMm * 1000, 1}},
        {"Feet", "Miles", {1, 5280}},
        {"Feet", "Millimeters", {3048, 10}},
        {"Feet", "Mils", {12000, 1}},
        {"Feet", "Rods", {2, 33}},  // a rod is 16.5 feet
        {"Feet", "Ropes", {1, 20}},
        {"Feet", "Yards", {1, 3}},
        {"Degrees", "Circles", {1, 360}},
        {"Degrees", "Minutes", {60, 1}},
        {"Degrees", "Quadrants", {1, 90}},
        {"Degrees", "Radians", {std::numbers::pi, 180}},
        {"Degrees", "Seconds", {3600, 1}},
        {"Gallons", "Cu inches", {kCubicInchesPerGallon, 1}},
        {"Gallons", "Cu meters", {kGallonMicrolitres, 1e12}},
        {"Gallons", "Cu yards", {kCubicInchesPerGallon, 36.0 * 36.0 * 36.0}},
        {"Gallons", "Liters", {kGallonMicrolitres, 1e9}},
        {"Gallons", "Ounces", {128, 1}},
        {"Gallons", "Pints", {8, 1}},
        {"Gallons", "Quarts", {4, 1}},
        {"Millimeters", "Centimeters", {1, 10}},
        {"Millimeters", "Feet", {10, 3048}},
        {"Millimeters", "Inches", {10, 254}},
        {"Millimeters", "Meters", {1, 1000}},
        {"Millimeters", "Microns", {1000, 1}},
        {"Millimeters", "Mils", {10000, 254}},  // a mil is 0.0254 mm
        {"Millimeters", "Yards", {10, 9144}},
        {"Inches", "Centimeters", {254, 100}},
        {"Inches", "Feet", {1, 12}},
        {"Inches", "Meters", {254, 10000}},
        {"Inches", "Miles", {1, 63360}},
        {"Inches", "Millimeters", {254, 10}},
        {"Inches", "Yards", {1, 36}},
    };
    return table;
}

}  // namespace

QStringList UnitTable::fromUnits()
{
    return {QStringLiteral("Feet"), QStringLiteral("Degrees"), QStringLiteral("Gallons"),
            QStringLiteral("Millimeters"), QStringLiteral("Inches")};
}

QStringList UnitTable::intoUnits(const QString& from)
{
    QStringList units;
    for (const Entry& entry : entries())
        if (entry.from == from)
            units.append(entry.into);
    return units;
}

std::optional<UnitFactor> UnitTable::factor(const QString& from, const QString& into)
{
    for (const Entry& entry : entries())
        if (entry.from == from && entry.into == into)
            return entry.factor;
    return std::nullopt;
}

double UnitTable::convert(double value, const UnitFactor& factor)
{
    // Multiplying first keeps whole-unit conversions exact; only when that
    // overflows for a huge value is the ratio taken first.
    double result = value * factor.numerator / factor.denominator;
    if (!std::isfinite(result))
        result = value * (factor.numerator / factor.denominator);
    if (!std::isfinite(result))
        runtime::raise(runtime::err::Overflow);
    return result;
}

}  // namespace conversion
