#pragma once
// One key of the stand-in registry: its string values and its subkeys, both
// named without regard to case.

#include "platform/settings/NamedList.h"

#include <QString>

namespace settings {

struct RegistryKey {
    NamedList<QString> values;
    NamedList<RegistryKey> subkeys;
};

}  // namespace settings
