#pragma once
// Turns the error code of a failed host call into the runtime's error number,
// the way the original runtime reported the same failure on its own system.

#include <cstdint>

namespace files {

class HostError {
public:
    // The runtime error number for an errno value. `whenMissing` is the number
    // for "no such file" (53 for a file, 76 where a folder is meant).
    static int32_t number(int errnoValue, int32_t whenMissing);

    [[noreturn]] static void raise(int errnoValue, int32_t whenMissing);
};

}  // namespace files
