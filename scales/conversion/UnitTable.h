#pragma once
// The calculator's units: which units it converts from, which units each of
// them converts into, and the factor of every pair. Factors are the exact
// definitions of the units, kept as a ratio of two numbers that doubles hold
// exactly, so that a whole number of one unit that makes a whole number of the
// other (5280 feet, one mile) converts without a rounding step in between.

#include <QString>
#include <QStringList>
#include <optional>

namespace conversion {

struct UnitFactor {
    double numerator = 1;
    double denominator = 1;

    // numerator / denominator, for reading; conversions use UnitTable::convert.
    double value() const { return numerator / denominator; }
};

class UnitTable {
public:
    // The From units in the order they are added to their list.
    static QStringList fromUnits();

    // The Into units of a From unit, alphabetical; none for a text that is no
    // From unit. Units are compared exactly, case included.
    static QStringList intoUnits(const QString& from);

    // The factor of the pair; none when the pair is not in the table.
    static std::optional<UnitFactor> factor(const QString& from, const QString& into);

    // value in the From unit, as a number of the Into unit. Error 6 when the
    // result is beyond the range of a double.
    static double convert(double value, const UnitFactor& factor);
};

}  // namespace conversion
