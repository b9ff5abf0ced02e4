#include "platform/runtime/EndProgram.h"

namespace runtime {

void endProgram(int code) { throw ProgramEnd{code}; }

}  // namespace runtime
