#pragma once
// How a dimension writes what it measured. Lengths follow the unit format:
// 1 scientific ("1.5000E+01"), 2 decimal ("15.0000"), 3 engineering
// ("1'-3.0000\""), 4 architectural ("1'-3 1/2\""), 5 fractional
// ("15 1/2"), 6 the desktop's number format (decimal in the stand-in). The
// precision is the number of decimal places, or for the architectural and
// fractional forms the finest fraction, 1/2^precision. The feet-and-inches
// forms take the drawing unit as the inch. Angles are decimal degrees
// followed by the degree sign's code ("%%d").

#include <QString>

namespace standin {

class DimensionText {
public:
    static QString length(double value, int unitsFormat, int precision);
    static QString angle(double radians, int precision);
};

}  // namespace standin
