#pragma once
// The symbol tables that need nothing beyond Add, Item and Count.

#include "platform/cad/Collection.h"
#include "platform/cad/DimStyle.h"
#include "platform/cad/Layer.h"
#include "platform/cad/TextStyle.h"

namespace cad {

using Layers = Table<Layer>;
using TextStyles = Table<TextStyle>;
using DimStyles = Table<DimStyle>;

}  // namespace cad
