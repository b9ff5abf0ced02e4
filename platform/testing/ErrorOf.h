#pragma once

#include "platform/runtime/Error.h"

#include <cstdint>

namespace testing_env {

// The number of the runtime error the call raises, 0 when it raises none.
template <typename Call>
int32_t errorOf(Call&& call)
{
    try {
        call();
    } catch (const runtime::Error& error) {
        return error.number();
    }
    return 0;
}

}  // namespace testing_env
