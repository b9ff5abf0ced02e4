#include "platform/runtime/Clock.h"

namespace runtime {

Clock::~Clock() = default;

}  // namespace runtime
