#include "batch/drossel/ScopeExit.h"

#include "platform/runtime/Error.h"

namespace drossel {

ScopeExit::~ScopeExit()
{
    for (const Step& step : steps_) {
        try {
            if (step)
                step();
        } catch (const runtime::Error&) {
        } catch (const runtime::ProgramEnd&) {
            // A clean-up never ends the program; an end already under way
            // goes on unwinding.
        }
    }
}

}  // namespace drossel
