#pragma once
// One key of the stand-in registry: its values and its subkeys, both named
// without regard to case.

#include "platform/settings/NamedList.h"

#include <QString>
#include <cstdint>

namespace settings {

// A value as the registry keeps it: its kind (the system's REG_ number) and
// its content as text. String kinds hold the text itself, which may carry
// NULs as another program wrote them; a double word holds its decimal digits;
// binary data its bytes in hexadecimal.
struct RegistryValue {
    uint32_t type = 1;  // REG_SZ
    QString text;
};

struct RegistryKey {
    NamedList<RegistryValue> values;
    NamedList<RegistryKey> subkeys;
};

}  // namespace settings
