#pragma once
// Coordinates as the host passes them: a point of three doubles (X, Y, Z), and
// the two-double corner form the plot window uses.

namespace cad {

struct Point {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Point2 {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point2&, const Point2&) = default;
};

}  // namespace cad
