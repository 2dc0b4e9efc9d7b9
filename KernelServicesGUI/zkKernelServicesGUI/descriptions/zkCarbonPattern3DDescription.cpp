#include "zkCarbonPattern3DDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkDoubleSliderControl.h>
#include <zkdCarbonPattern3D.h>

namespace {

zkCarbonPattern3DDescription instance;

} // namespace

void zkCarbonPattern3DDescription::init()
{
    using zkRowModifiers::rotation;
    zkDescriptionBuilder<zkdCarbonPattern3D>(getFactory())
        .editor<float, zkDoubleSliderControl>("rotationX", rotation(tr("Rotate X")))
        .editor<float, zkDoubleSliderControl>("rotationY", rotation(tr("Rotate Y")))
        .editor<float, zkDoubleSliderControl>("rotationZ", rotation(tr("Rotate Z")))
        .after<float>("rotationX", "intensity")
        .after<float>("rotationY", "rotationX")
        .after<float>("rotationZ", "rotationY");
}
