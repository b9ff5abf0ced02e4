#pragma once
// Hexadecimal text of a whole number as the runtime writes it.

#include <QString>
#include <cstdint>

namespace runtime {

// Upper-case digits without leading zeros; a negative number shows its
// eight-digit two's complement (-2145320928 -> "80210020").
QString hex32(int32_t value);

}  // namespace runtime
