#pragma once
// The scale a drawing is inserted at as a block: in model space the drawing's
// dimension scale (so a detail drawn full size fits a drawing plotted at that
// scale), in paper space 1; in a metric drawing 25.4 times that, since the
// blocks are drawn in inches. Whole numbers, halves rounded to the even
// neighbour, held in 32 bits.

#include <cstdint>

namespace fentrow {

class InsertScale {
public:
    static constexpr int ModelSpace = 1;  // tile mode

    // Raises 6 (overflow) for a scale beyond 32 bits.
    static int32_t scale(int tileMode, double dimScale, int measurement);
};

}  // namespace fentrow
