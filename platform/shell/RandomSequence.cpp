#include "platform/shell/RandomSequence.h"

namespace shell {

double RandomSequence::next()
{
    // Work in 64 bits so the product never overflows before the mask.
    const uint64_t product = uint64_t(state_) * 0x43FD43FDu + 0xC39EC3u;
    state_ = uint32_t(product & Mask);
    return double(state_) / double(Mask + 1u);
}

}  // namespace shell
