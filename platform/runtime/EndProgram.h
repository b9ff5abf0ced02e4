#pragma once
// Ending the program from anywhere inside a handler: the ProgramEnd exception
// unwinds to the dispatch wrapper (or main), which leaves the event loop.

#include "platform/runtime/Error.h"

namespace runtime {

[[noreturn]] void endProgram(int code = 0);

}  // namespace runtime
