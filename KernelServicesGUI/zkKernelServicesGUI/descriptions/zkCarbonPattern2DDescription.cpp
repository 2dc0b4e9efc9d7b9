#include "zkCarbonPattern2DDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkDoubleSliderControl.h>
#include <zkdCarbonPattern2D.h>

namespace {

zkCarbonPattern2DDescription instance;

} // namespace

void zkCarbonPattern2DDescription::init()
{
    zkDescriptionBuilder<zkdCarbonPattern2D>(getFactory())
        .editor<float, zkDoubleSliderControl>("rotation", zkRowModifiers::rotation(tr("Rotate")))
        .after<float>("rotation", "intensity");
}
