#include "annotation/lunvik/DimensionChanges.h"

#include "platform/cad/Entity.h"
#include "platform/runtime/PassOver.h"

namespace lunvik {

void DimensionChanges::apply(cad::Entity& object) const
{
    if (precision)
        runtime::passOver([&] { object.setPrimaryUnitsPrecision(*precision); });
    if (unitsFormat)
        runtime::passOver([&] { object.setUnitsFormat(*unitsFormat); });
    if (suffix)
        runtime::passOver([&] { object.setTextSuffix(*suffix); });
    if (!textOverride.isEmpty())
        runtime::passOver([&] { object.setTextOverride(textOverride); });
    if (!styleName.isEmpty())
        runtime::passOver([&] { object.setStyleName(styleName); });
    object.update();
}

}  // namespace lunvik
