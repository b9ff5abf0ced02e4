#include "project/fentrow/InsertScale.h"

#include "platform/runtime/Convert.h"

namespace fentrow {

int32_t InsertScale::scale(int tileMode, double dimScale, int measurement)
{
    int32_t s = 1;
    if (tileMode == ModelSpace) {
        s = runtime::toInt32(dimScale);
        // A dimension scale that rounds to nothing inserts at full size.
        if (s == 0)
            s = 1;
    }
    if (measurement == 1)
        s = runtime::toInt32(25.4 * s);
    return s;
}

}  // namespace fentrow
