#include "platform/runtime/Hex.h"

namespace runtime {

QString hex32(int32_t value)
{
    return QString::number(static_cast<uint32_t>(value), 16).toUpper();
}

}  // namespace runtime
