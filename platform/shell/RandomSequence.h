#pragma once

#include <cstdint>

namespace shell {

// The uniform pseudo-random sequence in [0, 1) behind the shells' rnd(). It is a
// 24-bit linear congruential sequence: every value is a multiple of 2^-24, so it
// is exact in single precision, and with the fixed start state every start of a
// program draws the same values, which the programs rely on. It is never
// restarted; there is deliberately no way to set the state after construction.
class RandomSequence {
public:
    static constexpr uint32_t DefaultStart = 0x50000;

    explicit RandomSequence(uint32_t start = DefaultStart) : state_(start & Mask) {}

    double next();

private:
    static constexpr uint32_t Mask = 0xFFFFFF;
    uint32_t state_;
};

}  // namespace shell
